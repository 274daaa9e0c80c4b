// Reads back what the screen shows in a rectangle, from a second process, without sending the
// program under test any message: a poll that woke the program would shorten the very wait that
// is being measured.
#ifndef QUORVEL_BENCH_SCREEN_CAPTURE_H
#define QUORVEL_BENCH_SCREEN_CAPTURE_H

#include <windows.h>

#include <cstdint>
#include <vector>

class ScreenCapture {
public:
    explicit ScreenCapture(const RECT& area);
    ~ScreenCapture();
    ScreenCapture(const ScreenCapture&) = delete;
    ScreenCapture& operator=(const ScreenCapture&) = delete;

    // The area's pixels as the screen shows them now, row by row, 0x00RRGGBB.
    std::vector<std::uint32_t> Take();

private:
    RECT Area;
    int Width, Height;
    HDC Memory = nullptr;
    HBITMAP Canvas = nullptr;
    HGDIOBJ Previous = nullptr;
    std::uint32_t* Bits = nullptr;
};

#endif
