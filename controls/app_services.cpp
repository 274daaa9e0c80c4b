#include "controls/app_services.h"

#include "framework/application.h"

HINSTANCE ApplicationModule() {
    if (TApplication* app = TApplication::Current())
        return app->GetInstance();
    return ::GetModuleHandleA(nullptr);
}

int ShowAppMessage(HWND owner, const char* text, const char* caption) {
    if (TApplication* app = TApplication::Current())
        return app->MessageBox(owner, text, caption, MB_OK);
    return ::MessageBoxExA(owner, text, caption ? caption : "", MB_OK, 0);
}
