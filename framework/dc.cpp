#include "framework/dc.h"

// GetTextExtentPointA rather than the 32 variant that Windows calls more accurate: the hypertext
// renderer's line breaks and pen positions are defined by this measure.
SIZE TDC::GetTextExtent(const char* text, int length) const {
    SIZE size{0, 0};
    ::GetTextExtentPointA(Handle, text, length, &size);
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
