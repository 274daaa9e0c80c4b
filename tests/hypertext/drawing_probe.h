// Two ways for the renderer tests to see what a drawing did without looking inside it:
//  - RecordDrawing draws into an enhanced metafile and reads the records back: every text output
//    with its position, the font selected and the text colour at that moment, every font created
//    and whether it was deleted, every stretched blit;
//  - Canvas is a memory DC on a 32-bit top-down DIB section whose pixels the test reads.
// MeasureText measures with a recorded font the way the renderer measures (GetTextExtentPointA).
#pragma once

#include "framework/dc.h"
#include "hypertext/win_hyper_text.h"

#include <windows.h>

#include <string>
#include <vector>

struct RecordedText {
    std::string Text; // back in the ANSI code page the renderer wrote it in
    POINT At;
    LOGFONTW Font;
    COLORREF Color;
};

struct RecordedBlit {
    RECT Destination;
    RECT Source;
};

struct Recording {
    std::vector<RecordedText> Texts;
    std::vector<LOGFONTW> FontsCreated;
    int FontsLeftUndeleted = 0;
    std::vector<RecordedBlit> Blits;
};

Recording RecordDrawing(WinHyperText& document, POINT start = {0, 0});

SIZE MeasureText(const LOGFONTW& font, const std::string& text);

class Canvas {
public:
    Canvas(int width, int height, COLORREF background);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    TDC& Dc() { return Context; }
    COLORREF Pixel(int x, int y) const;
    const int Width;
    const int Height;

private:
    HDC Memory;
    TDC Context;
    HBITMAP Bitmap;
    HGDIOBJ PreviousBitmap;
    const DWORD* Bits = nullptr;
};
