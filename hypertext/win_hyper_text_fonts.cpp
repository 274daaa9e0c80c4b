// The font stack. A working font description lives for one drawing: it starts from the base
// template and every font tag changes it for good, while start tags push a font made from it and
// end tags pop whatever is on top, matched or not. So "<FONT SIZE=+2>a</FONT>b<B>c" draws "a" at
// 15 pixels, "b" in the base font of 13 and "c" bold at 15: /FONT restores the font, not the
// description.
#include "hypertext/win_hyper_text.h"

#include "framework/diagnostic_box.h"
#include "hypertext/keywords.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// The double nearest to 2/3 lies a little below it, and the product is taken in extended
// precision, where that shortfall survives: 12 x 2/3 gives 7.9999999999999996 and so 7, where a
// double product would round to 8.
constexpr long double TwoThirds = 2.0 / 3.0;
constexpr long double OneAndAHalf = 1.5;

LONG ClampToLong(long double value) {
    return static_cast<LONG>(std::clamp<long double>(value, LONG_MIN, LONG_MAX));
}

// Truncated toward zero, as the conversion to an integer does.
LONG Scale(LONG value, long double factor) {
    return ClampToLong(static_cast<long double>(value) * factor);
}

void ScaleFont(LOGFONTA& font, long double factor) {
    font.lfHeight = Scale(font.lfHeight, factor);
    font.lfWidth = Scale(font.lfWidth, factor);
}

// Superscript and subscript scale the description and move the baseline by quarters of the
// current height of "|": SUP up one, SUB down two, and their end tags back by as many.
struct ScriptStep {
    int Type;
    long double Factor;
    int QuartersDown;
};

constexpr ScriptStep ScriptSteps[] = {
    {HTK_SUP, TwoThirds, -1},
    {HTK_SUP_END, OneAndAHalf, 1},
    {HTK_SUB, TwoThirds, 2},
    {HTK_SUB_END, OneAndAHalf, -2},
};

void ApplyScriptStep(int type, LOGFONTA& font, POINT& pen, LONG quarter) {
    for (const ScriptStep& step : ScriptSteps) {
        if (step.Type == type) {
            ScaleFont(font, step.Factor);
            pen.y += step.QuartersDown * quarter;
        }
    }
}

// Ten points in pixels: LOGPIXELSY / 72 rounded to single precision, times 10, truncated. 13 at
// 96 pixels per inch, 16 at 120, 20 at 144.
LONG BaseFontHeight(const TDC& dc) {
    const float pixelsPerPoint = static_cast<float>(dc.GetDeviceCaps(LOGPIXELSY) * (1.0 / 72));
    return static_cast<LONG>(pixelsPerPoint * 10);
}

LOGFONTA BaseFont(const TDC& dc) {
    LOGFONTA font{};
    font.lfHeight = BaseFontHeight(dc);
    font.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(font.lfFaceName, "MS Sans Serif");
    return font;
}

// Markup colours are written red first, 0xRRGGBB.
TColor MarkupColor(int rrggbb) {
    const auto c = static_cast<unsigned>(rrggbb);
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

// A face longer than the field holds keeps its first 31 characters.
void SetFace(LOGFONTA& font, const std::string& face) {
    const std::size_t length = std::min(face.size(), sizeof font.lfFaceName - 1);
    std::memcpy(font.lfFaceName, face.data(), length);
    font.lfFaceName[length] = '\0';
}

// SIZE is in device units, not points: "SIZE=7" asks for a 7-pixel cell whatever the device.
void ApplySize(LOGFONTA& font, const HTSize& size) {
    switch (size.Mode) {
    case HTSIZE_ABSOLUTE:
        font.lfHeight = size.Value;
        break;
    case HTSIZE_PLUS:
        font.lfHeight = ClampToLong(static_cast<long double>(font.lfHeight) + size.Value);
        break;
    case HTSIZE_MINUS:
        font.lfHeight = ClampToLong(static_cast<long double>(font.lfHeight) - size.Value);
        break;
    default:
        break;
    }
}

void ApplyFontAttributes(const HyperTextFontTag& tag, LOGFONTA& font, TColor& text,
                         TColor& background) {
    if (!tag.Face.empty())
        SetFace(font, tag.Face);
    ApplySize(font, tag.Size);
    if (tag.Color != -1)
        text = MarkupColor(tag.Color);
    if (tag.BgColor != -1)
        background = MarkupColor(tag.BgColor);
}

} // namespace

bool WinHyperText::IsFontStartTag(const HyperTextTag& tag) {
    switch (tag.Type) {
    case HTK_B:
    case HTK_I:
    case HTK_U:
    case HTK_S:
    case HTK_SUP:
    case HTK_SUB:
    case HTK_FONT:
    case HTK_A:
        return true;
    default:
        return false;
    }
}

bool WinHyperText::IsFontEndTag(const HyperTextTag& tag) {
    switch (tag.Type) {
    case HTK_B_END:
    case HTK_I_END:
    case HTK_U_END:
    case HTK_S_END:
    case HTK_SUP_END:
    case HTK_SUB_END:
    case HTK_FONT_END:
    case HTK_A_END:
        return true;
    default:
        return false;
    }
}

HGDIOBJ WinHyperText::BeginDrawing(TDC& dc, LOGFONTA& font) {
    font = BaseFont(dc);
    FontStack.push({TGdiObject<HFONT>(::CreateFontIndirectA(&font)), TextColor, BkColor});
    return dc.SelectObject(FontStack.top().Font);
}

void WinHyperText::EndDrawing(TDC& dc, HGDIOBJ previousFont) {
    dc.SelectObject(previousFont);
    while (!FontStack.empty())
        FontStack.pop();
}

void WinHyperText::ApplyFontTag(TDC& dc, const HyperTextTag& tag, LOGFONTA& font, POINT& pen) {
    const LONG q = dc.GetTextExtent("|", 1).cy / 4;
    TColor text = FontStack.top().TextColor;
    TColor background = FontStack.top().BkColor;
    switch (tag.Type) {
    case HTK_B:
        font.lfWeight = FW_BOLD;
        break;
    case HTK_B_END:
        font.lfWeight = FW_NORMAL;
        break;
    case HTK_I:
    case HTK_I_END:
        font.lfItalic = tag.Type == HTK_I;
        break;
    case HTK_U:
    case HTK_U_END:
        font.lfUnderline = tag.Type == HTK_U;
        break;
    case HTK_S:
    case HTK_S_END:
        font.lfStrikeOut = tag.Type == HTK_S;
        break;
    case HTK_SUP:
    case HTK_SUP_END:
    case HTK_SUB:
    case HTK_SUB_END:
        ApplyScriptStep(tag.Type, font, pen, q);
        break;
    case HTK_FONT:
        ApplyFontAttributes(static_cast<const HyperTextFontTag&>(tag), font, text, background);
        break;
    case HTK_A:
        font.lfUnderline = 1;
        text = LinkColor;
        break;
    case HTK_A_END:
        font.lfUnderline = 0;
        break;
    default:
        break;
    }
    if (IsFontStartTag(tag))
        PushFont(dc, font, text, background);
    else if (IsFontEndTag(tag) && FontStack.size() >= 2)
        PopFont(dc);
    ApplyTopColors(dc);
}

void WinHyperText::PushFont(TDC& dc, const LOGFONTA& font, TColor text, TColor background) {
    FontStack.push({TGdiObject<HFONT>(::CreateFontIndirectA(&font)), text, background});
    dc.SelectObject(FontStack.top().Font);
}

// The font the reselection replaces must be the one popped: anything else means the DC's font
// was changed behind the stack's back. The popped font is deleted only once it is deselected.
void WinHyperText::PopFont(TDC& dc) {
    const FontTagData popped = std::move(FontStack.top());
    FontStack.pop();
    if (dc.SelectObject(FontStack.top().Font) != popped.Font.GetHandle())
        ShowDiagnosticBox("prevFont != prevFont2");
}

void WinHyperText::ApplyTopColors(TDC& dc) const {
    dc.SetTextColor(FontStack.top().TextColor);
    dc.SetBkColor(FontStack.top().BkColor);
}
