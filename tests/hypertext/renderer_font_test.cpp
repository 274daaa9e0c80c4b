// The fonts a drawing selects, as the metafile records them at each text output, and the colours
// it paints with, read from the pixels of a memory DC. These tests need 96 pixels per inch, the
// setting of the test prefix, for the base height of 13.
#include "tests/hypertext/drawing_probe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t BaseFace[] = L"MS Sans Serif";

struct ExpectedFont {
    const char* Text;
    LONG Height;
    LONG Weight = 0;
    BYTE Italic = 0;
    BYTE Underline = 0;
    BYTE StrikeOut = 0;
    const wchar_t* Face = BaseFace;
};

struct FontCase {
    const char* Name;
    const char* Markup;
    std::vector<ExpectedFont> Texts;
    // The base font and one per start tag: nothing else makes a font.
    int FontsCreated;
};

const FontCase FontCases[] = {
    {"BaseFontIsTenPoints", "ab", {{"ab", 13}}, 1},
    // /FONT restores the font but not the description, so B opens a bold font of 15.
    {"FontEndKeepsTheDescription",
     "<FONT SIZE=+2>a</FONT>b<B>c",
     {{"a", 15}, {"b", 13}, {"c", 15, 700}},
     3},
    // 13 x 2/3 = 8; 8 x 1.5 = 12 stays in the description after /SUP.
    {"SuperscriptScalesTheDescription",
     "<SUP>a</SUP>b<B>c",
     {{"a", 8}, {"b", 13}, {"c", 12, 700}},
     3},
    // 2/3 is the double just below it, multiplied in extended precision: 12 gives 7, not 8.
    {"TwoThirdsOfTwelveIsSeven", "<FONT SIZE=12><SUP>a", {{"a", 7}}, 3},
    {"SubscriptScalesLikeSuperscript",
     "<SUB>a</SUB>b<U>c",
     {{"a", 8}, {"b", 13}, {"c", 12, 0, 0, 1}},
     3},
    // Nothing to pop; the description still gets weight 400 for the next start tag.
    {"EndTagOnTheBaseEntryPopsNothing", "</B>a<I>b", {{"a", 13}, {"b", 13, 400, 1}}, 2},
    // /I pops the bold entry; the description keeps its weight of 700.
    {"EndTagsPopWhateverIsOnTop",
     "<B>a</I>b<U>c",
     {{"a", 13, 700}, {"b", 13}, {"c", 13, 700, 0, 1}},
     3},
    {"NestedEntriesPopInTurn",
     "<B><I>a</U>b</S>c",
     {{"a", 13, 700, 1}, {"b", 13, 700}, {"c", 13}},
     3},
    {"AbsoluteSizeIsInPixels", "<FONT SIZE=7>a", {{"a", 7}}, 2},
    {"SizeMayTurnNegative", "<FONT SIZE=-20>a", {{"a", -7}}, 2},
    {"StrikeOut", "<S>a</S>b", {{"a", 13, 0, 0, 0, 1}, {"b", 13}}, 2},
    {"LinkUnderlines",
     "<A HREF=x>a</A>b<S>c",
     {{"a", 13, 0, 0, 1}, {"b", 13}, {"c", 13, 0, 0, 0, 1}},
     3},
    {"FaceIsReplaced", "<FONT FACE=Arial>a", {{"a", 13, 0, 0, 0, 0, L"Arial"}}, 2},
    {"LongFaceIsCutTo31Characters",
     "<FONT FACE=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789>a",
     {{"a", 13, 0, 0, 0, 0, L"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"}},
     2},
    {"LayoutTagsMakeNoFont",
     "a<P>b<OL>c<UL>d<LI>e<BOX>f<MARGIN>g<TAB>h<BR>i",
     {{"a", 13},
      {"b", 13},
      {"c", 13},
      {"d", 13},
      {"e", 13},
      {"f", 13},
      {"g", 13},
      {"h", 13},
      {"i", 13}},
     1},
};

class Fonts : public testing::TestWithParam<FontCase> {};

TEST_P(Fonts, EachTextIsDrawnInTheExpectedFont) {
    const FontCase& c = GetParam();
    WinHyperText document(c.Markup);
    document.AreaWidth = 1000;
    const Recording drawn = RecordDrawing(document);
    ASSERT_EQ(drawn.Texts.size(), c.Texts.size());
    for (std::size_t i = 0; i < c.Texts.size(); ++i) {
        const ExpectedFont& e = c.Texts[i];
        const LOGFONTW& f = drawn.Texts[i].Font;
        EXPECT_EQ(drawn.Texts[i].Text, e.Text);
        EXPECT_EQ(f.lfHeight, e.Height) << e.Text;
        EXPECT_EQ(f.lfWeight, e.Weight) << e.Text;
        EXPECT_EQ(f.lfItalic, e.Italic) << e.Text;
        EXPECT_EQ(f.lfUnderline, e.Underline) << e.Text;
        EXPECT_EQ(f.lfStrikeOut, e.StrikeOut) << e.Text;
        EXPECT_STREQ(f.lfFaceName, e.Face) << e.Text;
    }
    EXPECT_EQ(static_cast<int>(drawn.FontsCreated.size()), c.FontsCreated);
    EXPECT_EQ(drawn.FontsLeftUndeleted, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, Fonts, testing::ValuesIn(FontCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(BaseFont, EveryOtherFieldIsTheTemplate) {
    Canvas canvas(10, 10, RGB(255, 255, 255));
    ASSERT_EQ(canvas.Dc().GetDeviceCaps(LOGPIXELSY), 96);
    WinHyperText document("a");
    const LOGFONTW f = RecordDrawing(document).FontsCreated.at(0);
    EXPECT_EQ(f.lfHeight, 13);
    const LONG zeros[] = {f.lfWidth,         f.lfEscapement, f.lfOrientation,   f.lfWeight,
                          f.lfItalic,        f.lfUnderline,  f.lfStrikeOut,     f.lfOutPrecision,
                          f.lfClipPrecision, f.lfQuality,    f.lfPitchAndFamily};
    for (const LONG field : zeros)
        EXPECT_EQ(field, 0);
    EXPECT_EQ(f.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(f.lfFaceName, BaseFace);
}

// A quarter of the height of "|" in the font selected when the tag is met: up by q for SUP,
// down by 2q for SUB; the end tags measure in the smaller font, so the baseline need not return.
TEST(Baseline, SuperscriptAndSubscriptMoveByAQuarterOfTheBar) {
    WinHyperText document("a<SUP>b</SUP>c<BR>d<SUB>e</SUB>f");
    document.AreaWidth = 1000;
    const Recording drawn = RecordDrawing(document);
    ASSERT_EQ(drawn.Texts.size(), 6u);
    const LOGFONTW& base = drawn.Texts[0].Font;
    const LOGFONTW& small = drawn.Texts[1].Font;
    const LONG qBase = MeasureText(base, "|").cy / 4;
    const LONG qSmall = MeasureText(small, "|").cy / 4;
    const LONG line = MeasureText(base, "H").cy;
    EXPECT_EQ(drawn.Texts[1].At.y, line - qBase);
    EXPECT_EQ(drawn.Texts[2].At.y, line - qBase + qSmall);
    const LONG second = drawn.Texts[3].At.y;
    EXPECT_EQ(drawn.Texts[4].At.y, second + 2 * qBase);
    EXPECT_EQ(drawn.Texts[5].At.y, second + 2 * qBase - 2 * qSmall);
}

TEST(DeviceContext, FontRestoredTransparentAndBaselineAligned) {
    Canvas canvas(100, 40, RGB(255, 255, 255));
    const HGDIOBJ font = ::GetStockObject(ANSI_FIXED_FONT);
    ::SelectObject(canvas.Dc(), font);
    ::SetBkMode(canvas.Dc(), OPAQUE);
    WinHyperText document("<B>a<I>b<A HREF=x>c");
    document.Draw(canvas.Dc(), {0, 0});
    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_FONT), font);
    EXPECT_EQ(::GetBkMode(canvas.Dc()), TRANSPARENT);
    EXPECT_EQ(::GetTextAlign(canvas.Dc()), static_cast<UINT>(TA_BASELINE));
    EXPECT_TRUE(document.FontStack.empty());
}

// Colours by pixels. Lines stand two line heights apart so that underlines and descenders of one
// never reach into the band read for the next; the canvas is grey so that a painted white
// background would show too.
constexpr COLORREF Grey = RGB(200, 200, 200);
constexpr COLORREF Red = RGB(255, 0, 0);

struct ColorCase {
    const char* Name;
    const char* Markup; // lines separated by <BR><BR>
    TColor TextColor;
    TColor LinkColor;
    std::vector<TColor> LineColors; // what every inked pixel of the line must be
};

const ColorCase ColorCases[] = {
    {"LinkInsideRedFontUsesLinkColorThenRedReturns",
     "<FONT COLOR=#FF0000>red<BR><BR><A HREF=x>link</A><BR><BR>red</FONT>",
     SysColor(COLOR_WINDOWTEXT),
     RGB(0, 0, 255),
     {Red, RGB(0, 0, 255), Red}},
    {"HostColorsAndSystemColors",
     "<A HREF=x>link</A><BR><BR>text",
     SysColor(COLOR_HIGHLIGHT),
     RGB(0, 128, 0),
     {RGB(0, 128, 0), SysColor(COLOR_HIGHLIGHT)}},
    // Text is drawn in transparent mode: a background colour paints nothing.
    {"BackgroundColorPaintsNothing",
     "<FONT BGCOLOR=#00FF00>text</FONT><BR><BR>more",
     SysColor(COLOR_WINDOWTEXT),
     RGB(0, 0, 255),
     {SysColor(COLOR_WINDOWTEXT), SysColor(COLOR_WINDOWTEXT)}},
};

class Colors : public testing::TestWithParam<ColorCase> {};

TEST_P(Colors, EveryInkedPixelOfALineHasItsColor) {
    const ColorCase& c = GetParam();
    Canvas canvas(300, 120, Grey);
    WinHyperText document(c.Markup);
    document.AreaWidth = canvas.Width;
    document.TextColor = c.TextColor;
    document.LinkColor = c.LinkColor;
    const LOGFONTW base = RecordDrawing(document).FontsCreated.at(0);
    const int lineHeight = MeasureText(base, "H").cy;
    document.Draw(canvas.Dc(), {0, 0});
    for (std::size_t line = 0; line < c.LineColors.size(); ++line) {
        const COLORREF expected = ResolveColor(c.LineColors[line]);
        const int baseline = static_cast<int>(2 * line + 1) * lineHeight;
        int inked = 0;
        for (int y = baseline - lineHeight + 1; y <= baseline + 3; ++y) {
            for (int x = 0; x < canvas.Width; ++x) {
                const COLORREF p = canvas.Pixel(x, y);
                if (p == Grey)
                    continue;
                ++inked;
                ASSERT_EQ(p, expected) << "line " << line << " at " << x << "," << y;
            }
        }
        EXPECT_GT(inked, 0) << "line " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Colors, testing::ValuesIn(ColorCases),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
