#include "bench/screen_capture.h"

ScreenCapture::ScreenCapture(const RECT& area)
    : Area(area), Width(area.right - area.left), Height(area.bottom - area.top) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, Width, -Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    Memory = ::CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    Canvas = ::CreateDIBSection(Memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    Bits = static_cast<std::uint32_t*>(bits);
    Previous = ::SelectObject(Memory, Canvas);
}

ScreenCapture::~ScreenCapture() {
    ::SelectObject(Memory, Previous);
    ::DeleteObject(Canvas);
    ::DeleteDC(Memory);
}

std::vector<std::uint32_t> ScreenCapture::Take() {
    HDC screen = ::GetDC(nullptr);
    ::BitBlt(Memory, 0, 0, Width, Height, screen, Area.left, Area.top, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    ::GdiFlush();
    return std::vector<std::uint32_t>(Bits, Bits + Width * Height);
}
