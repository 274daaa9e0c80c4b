// Bitmap files made by the tests, and temporary files that remove themselves.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A 24-bit bottom-up .bmp file; `color` gives the pixel at (x, y), y counted from the top.
std::vector<BYTE> BitmapFile(int width, int height, COLORREF (*color)(int x, int y));

// The picture tests' 100 x 40 bitmap: ten bands of 10 columns and a top and a bottom half, each
// of the 20 parts in its own colour, none of them white.
constexpr int BandedWidth = 100;
constexpr int BandedHeight = 40;
COLORREF BandedColor(int x, int y);

class TempFile {
public:
    explicit TempFile(const std::vector<BYTE>& bytes);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& Path() const { return Name; }

private:
    std::string Name;
};
