#include "app/diagnostic_box.h"

#include <windows.h>

void ShowDiagnosticBox(const char* text) {
    MessageBoxA(nullptr, text, "", MB_OK);
}
