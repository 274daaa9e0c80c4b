#include "framework/diagnostic_box.h"

#include <windows.h>

void ShowDiagnosticBox(const char* text) {
    ::MessageBoxExA(nullptr, text, "", MB_OK, 0);
}
