#include "framework/dc.h"

SIZE TDC::GetTextExtent(const char* text, int length) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(Handle, text, length, &size);
    return size;
}

TWindowDC::TWindowDC(HWND window) : TDC(::GetWindowDC(window)), Window(window) {}

TWindowDC::~TWindowDC() {
    ::ReleaseDC(Window, GetHDC());
}

TDesktopDC::TDesktopDC() : TWindowDC(::GetDesktopWindow()) {}

TPaintDC::TPaintDC(HWND window) : TDC(nullptr), Window(window), Paint{} {
    SetHandle(::BeginPaint(window, &Paint));
}

TPaintDC::~TPaintDC() {
    ::EndPaint(Window, &Paint);
}
