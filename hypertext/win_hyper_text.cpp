// The drawing walk. One pass: the text before the first tag, then for each tag its effect and the
// text after it. Text is cut into pieces that end at a space (the space stays with its piece) or
// at the end of the stretch; a piece goes to the next line when its right end plus the 5-pixel
// right margin would pass AreaWidth. Nothing is measured ahead, so a piece wider than the line
// still breaks the line first and then runs past the margin.
//
// Example, AreaWidth 60 with "ab " 14 and "cd" 12 pixels wide: "ab " is drawn at x 5; "cd" at
// 5 + 14 = 19 would end at 19 + 12 + 5 = 36 <= 60, so it stays on the line.
#include "hypertext/win_hyper_text.h"

#include "hypertext/keywords.h"
#include "hypertext/out_of_memory.h"

namespace {

constexpr int MarginInset = 5; // from the start point to the left margin, and the right margin
constexpr int TabSpacing = 50; // tab stops lie every 50 pixels from the left margin
constexpr int LinkDescent = 3; // a link's area reaches this far below its baseline

// The height of "H" in the font selected now, measured afresh each time.
int LineHeight(const TDC& dc) {
    return dc.GetTextExtent("H", 1).cy;
}

bool Fits(int areaWidth, LONG x, LONG width) {
    return static_cast<long long>(x) + width + MarginInset <= areaWidth;
}

} // namespace

// Ends the drawing on every way out of Draw: the DC gets its font back and no font survives.
class WinHyperText::DrawingScope {
public:
    DrawingScope(WinHyperText& document, TDC& dc, LOGFONTA& font)
        : Document(document), Dc(dc), PreviousFont(document.BeginDrawing(dc, font)) {}
    ~DrawingScope() { Document.EndDrawing(Dc, PreviousFont); }
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;

private:
    WinHyperText& Document;
    TDC& Dc;
    HGDIOBJ PreviousFont;
};

void WinHyperText::Draw(TDC& dc, POINT start) {
    ExitOnOutOfMemory([&] {
        POINT pen{start.x + MarginInset, start.y};
        const int left = pen.x;
        LOGFONTA font{};
        const DrawingScope drawing(*this, dc, font);
        Links.clear();
        ApplyTopColors(dc);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
        pen.y += LineHeight(dc);
        pen = DrawTextRun(dc, LeadingRun(), pen, left);
        for (const HyperTextTag* tag = Tags; tag != nullptr; tag = tag->Next) {
            ActOnTag(dc, *tag, font, pen, left);
            const LONG linkLeft = pen.x;
            const LONG linkBottom = pen.y + LinkDescent;
            pen = DrawTextRun(dc, RunAfter(*tag), pen, left);
            if (tag->Type == HTK_A) {
                const RECT area{linkLeft, linkBottom - LineHeight(dc), pen.x, linkBottom};
                Links.push_back({area, static_cast<const HyperTextAnchorStartTag*>(tag)});
            }
        }
    });
}

void WinHyperText::ActOnTag(TDC& dc, const HyperTextTag& tag, LOGFONTA& font, POINT& pen,
                            int left) {
    switch (tag.Type) {
    case HTK_BR:
        pen.y += LineHeight(dc);
        pen.x = left;
        break;
    case HTK_TAB: // the next stop strictly right of the pen
        pen.x = ((pen.x - left) / TabSpacing + 1) * TabSpacing + left;
        break;
    case HTK_IMG:
        DrawImage(dc, pen, static_cast<const HyperTextImageTag&>(tag));
        break;
    case HTK_SPCHR: { // one byte, never wrapped; an unknown entity (-1) gives 0xFF
        const int code = static_cast<const HyperTextSpecialCharTag&>(tag).Code;
        const char byte = static_cast<char>(code & 0xFF);
        dc.TextOut(pen.x, pen.y, &byte, 1);
        pen.x += dc.GetTextExtent(&byte, 1).cx;
        break;
    }
    default:
        if (IsFontStartTag(tag) || IsFontEndTag(tag))
            ApplyFontTag(dc, tag, font, pen);
        break;
    }
}

POINT WinHyperText::DrawTextRun(TDC& dc, std::string_view stretch, POINT pen, int left) const {
    std::size_t start = 0;
    for (std::size_t i = 0; i < stretch.size(); ++i) {
        if (stretch[i] != ' ' && i + 1 != stretch.size())
            continue;
        const char* const piece = stretch.data() + start;
        const int length = static_cast<int>(i - start + 1);
        const LONG width = dc.GetTextExtent(piece, length).cx;
        if (!Fits(AreaWidth, pen.x, width)) {
            pen.y += LineHeight(dc);
            pen.x = left;
        }
        dc.TextOut(pen.x, pen.y, piece, length);
        pen.x += width;
        start = i + 1;
    }
    return pen;
}
