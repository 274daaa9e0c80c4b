// The hypertext document that paints itself. Draw lays out and paints the whole document in one
// pass over its tags: each piece of text is measured and drawn at once, a line breaks when the
// next word would cross AreaWidth, and the areas of the links drawn are left in Links for the
// host's mouse handling. Fonts follow the font tags on a stack that lives for one drawing only.
//
// Windows only: it draws through the class library's device contexts.
#pragma once

#include "framework/color.h"
#include "framework/dc.h"
#include "framework/gdi_object.h"
#include "hypertext/hypertext.h"
#include "hypertext/tag_classes.h"

#include <windows.h>

#include <deque>
#include <stack>
#include <string>
#include <string_view>

// One entry of the font stack. The font is owned: popping the entry deletes it.
struct FontTagData {
    TGdiObject<HFONT> Font;
    TColor TextColor;
    TColor BkColor;
};

// The hot area of one link of the last drawing and the A tag that names its target. The tag
// belongs to the document: the entry is valid until the next drawing or the next SetText.
struct LinkData {
    RECT Area;
    const HyperTextAnchorStartTag* Tag;
};

class WinHyperText : public HyperText {
public:
    WinHyperText() = default;
    explicit WinHyperText(const std::string& text) : HyperText(text) {}
    virtual ~WinHyperText() = default;

    // Paints the document with its first line's top at `start`, its left margin 5 pixels to the
    // right of it. Leaves the DC's font as it was, its background mode TRANSPARENT and its text
    // alignment TA_BASELINE.
    void Draw(TDC& dc, POINT start);

    static bool IsFontStartTag(const HyperTextTag& tag);
    static bool IsFontEndTag(const HyperTextTag& tag);

    // Links of the last drawing, in document order.
    std::deque<LinkData> Links;
    TColor TextColor = SysColor(COLOR_WINDOWTEXT);
    TColor BkColor = SysColor(COLOR_WINDOW);
    TColor LinkColor = RGB(0, 0, 255);
    // The wrap limit; AreaHeight is kept for the host and limits nothing.
    int AreaWidth = 0;
    int AreaHeight = 0;
    // Empty between drawings.
    std::stack<FontTagData, std::deque<FontTagData>> FontStack;

private:
    class DrawingScope;

    // Pushes and selects the base font; returns the font it replaced in the DC.
    HGDIOBJ BeginDrawing(TDC& dc, LOGFONTA& font);
    void EndDrawing(TDC& dc, HGDIOBJ previousFont);
    void ApplyFontTag(TDC& dc, const HyperTextTag& tag, LOGFONTA& font, POINT& pen);
    void PushFont(TDC& dc, const LOGFONTA& font, TColor text, TColor background);
    void PopFont(TDC& dc);
    void ApplyTopColors(TDC& dc) const;

    void ActOnTag(TDC& dc, const HyperTextTag& tag, LOGFONTA& font, POINT& pen, int left);
    POINT DrawTextRun(TDC& dc, std::string_view stretch, POINT pen, int left) const;
    void DrawImage(TDC& dc, POINT& pen, const HyperTextImageTag& tag) const;
};
