#include "framework/application.h"

#include "framework/window.h"

namespace {
TApplication* TheApplication = nullptr;
}

TApplication::TApplication(const char* name, HINSTANCE instance, HINSTANCE, const char*,
                           int cmdShow)
    : Name(name), Instance(instance), CmdShow(cmdShow) {
    TheApplication = this;
}

TApplication::~TApplication() {
    delete MainWindow;
    if (TheApplication == this)
        TheApplication = nullptr;
}

TApplication* TApplication::Current() {
    return TheApplication;
}

HINSTANCE TApplication::CurrentModule() {
    return TheApplication ? TheApplication->Instance : ::GetModuleHandleA(nullptr);
}

int TApplication::ShowMessage(HWND owner, const char* text, const char* caption) {
    if (TheApplication)
        return TheApplication->MessageBox(owner, text, caption);
    return ::MessageBoxExA(owner, text, caption ? caption : "", MB_OK, 0);
}

int TApplication::Run() {
    InitMainWindow();
    if (!MainWindow || !MainWindow->Create())
        return 1;
    ::ShowWindow(MainWindow->GetHandle(), CmdShow);
    ::UpdateWindow(MainWindow->GetHandle());
    return MessageLoop();
}

bool TApplication::IdleAction(unsigned) {
    return false;
}

int TApplication::MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    return ::MessageBoxExA(owner, text, caption ? caption : Name, type, 0);
}

bool TApplication::PreTranslate(MSG& msg) {
    for (HWND dialog : ModelessDialogs) {
        if ((msg.hwnd == dialog || ::IsChild(dialog, msg.hwnd)) && ::IsDialogMessageA(dialog, &msg))
            return true;
    }
    return false;
}

// Between batches of messages the idle hook runs; while it wants more idle time the loop waits
// only as long as the pacer says, so a polling hook costs almost nothing while nothing happens.
int TApplication::MessageLoop() {
    unsigned idleCount = 0;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return static_cast<int>(msg.wParam);
            if (!PreTranslate(msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            idleCount = 0;
        }
        if (IdleAction(idleCount++))
            Pacer.Wait();
        else
            ::WaitMessage();
    }
}
