// How long WinHyperText::Draw takes for the About box's body and for 1 MiB of mixed markup, into a
// memory DC on a DIB section. Google Benchmark has no mingw build, so this program times itself
// with QueryPerformanceCounter and prints a table; it runs under Wine:
//   scripts/wine-run build/win64/bench/draw_bench.exe
// Each case is drawn in batches for half a second (three at the least); the fastest counts. The
// last column puts the cost per KiB of markup beside the About body's, since a drawing is one
// pass and should cost the same per byte at any size.
#include "hypertext/win_hyper_text.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

// Control 104 of the About box in res/quorvel.rc, with "" unescaped.
constexpr std::string_view AboutBody =
    "Visit our <FONT SIZE=+2 REM=hack_for_bug></FONT>website at: <FONT SIZE=+2><A "
    "HREF=\"http://www.quorvel.example\">www.quorvel.example</A></FONT>, where you will find "
    "newer releases, more information and downloads.  <BR><BR>Email us at: <FONT SIZE=+2><A "
    "HREF=\"mailto:hello@quorvel.example\">hello@quorvel.example</A></FONT> with your "
    "questions, suggestions and comments on Quorvel.   ";

constexpr std::string_view MixedUnit =
    "The readout follows the pointer and shows the colour under it. Press <B>F5</B> to freeze "
    "it, <I>F6</I> to copy the <FONT SIZE=+2 COLOR=#FF0000>hex code</FONT>; see <A "
    "HREF=\"http://www.quorvel.example\">the site</A>&copy;<TAB>x<SUP>2</SUP><BR>";

constexpr int AboutWidth = 294; // the About body's 196 dialog units at MS Sans Serif 8

std::string RepeatToSize(std::string_view unit, std::size_t size) {
    std::string markup;
    while (markup.size() < size)
        markup.append(unit.substr(0, size - markup.size()));
    return markup;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Seconds per drawing: the fastest of the batches run in half a second, three at the least.
double TimeDraw(WinHyperText& document, TDC& dc, int perBatch) {
    double best = 1e30;
    double spent = 0;
    for (int batches = 0; spent < 0.5 || batches < 3; ++batches) {
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        for (int i = 0; i < perBatch; ++i)
            document.Draw(dc, POINT{0, 0});
        ::QueryPerformanceCounter(&end);
        const double batch = Seconds(start, end);
        best = std::min(best, batch / perBatch);
        spent += batch;
    }
    return best;
}

} // namespace

int main() {
    const HDC memory = ::CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 400, -300, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP canvas = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = ::SelectObject(memory, canvas);
    TDC dc(memory);

    struct Case {
        const char* Name;
        std::string Markup;
        int PerBatch;
    } cases[] = {
        {"About body", std::string(AboutBody), 200},
        {"1 MiB mixed", RepeatToSize(MixedUnit, 1 << 20), 1},
    };
    std::printf("%-12s %10s %12s %14s\n", "document", "bytes", "ms/draw", "us/KiB");
    double aboutPerKiB = 0;
    for (Case& c : cases) {
        WinHyperText document(c.Markup);
        document.AreaWidth = AboutWidth;
        const double perDraw = TimeDraw(document, dc, c.PerBatch);
        const double perKiB = perDraw * 1e6 / (double(c.Markup.size()) / 1024);
        if (aboutPerKiB == 0)
            aboutPerKiB = perKiB;
        std::printf("%-12s %10zu %12.3f %14.1f  (x%.2f)\n", c.Name, c.Markup.size(), perDraw * 1e3,
                    perKiB, perKiB / aboutPerKiB);
    }
    ::SelectObject(memory, previous);
    ::DeleteObject(canvas);
    ::DeleteDC(memory);
    return 0;
}
