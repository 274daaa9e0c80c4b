// Where the renderer puts text and link areas. Each drawing is recorded in a metafile; expected
// positions are worked out from widths measured in the base font the recording shows, so the
// cases hold for whatever font the system supplies. A piece is expected at
// start.x + 5 + TabX + width(Before) on baseline start.y + (Line + 1) * height("H").
#include "tests/hypertext/drawing_probe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ExpectedPiece {
    const char* Text;
    int Line;
    const char* Before; // what is drawn before it on its line, after TabX
    int TabX = 0;
};

// Left where the link's text begins on Line, right where it ends (on whichever line).
struct ExpectedLink {
    int Line;
    const char* LeftBefore;
    const char* RightBefore;
    const char* Href;
};

struct LayoutCase {
    const char* Name;
    const char* Markup;
    // AreaWidth: the 10 pixels of the two margins plus the width of Fit plus Delta; just Delta
    // when Fit is null.
    const char* Fit;
    int Delta;
    std::vector<ExpectedPiece> Pieces;
    std::vector<ExpectedLink> Links = {};
    POINT Start = {0, 0};
};

const LayoutCase LayoutCases[] = {
    {"AreaWidthZeroPutsEveryPieceOnItsOwnLineAfterAnEmptyOne",
     "ab cd",
     nullptr,
     0,
     {{"ab ", 1, ""}, {"cd", 2, ""}}},
    {"PieceEndingExactlyOnTheMarginStays", "ab cd", "ab cd", 0, {{"ab ", 0, ""}, {"cd", 0, "ab "}}},
    {"OnePixelLessBreaks", "ab cd", "ab cd", -1, {{"ab ", 0, ""}, {"cd", 1, ""}}},
    // Two spaces give two one-space pieces, each tested on its own.
    {"LeadingSpacesAreOnePieceEach",
     "<P>  ab",
     nullptr,
     0,
     {{" ", 1, ""}, {" ", 2, ""}, {"ab", 3, ""}}},
    {"SecondSpaceBreaksAlone", "<P>  ab", " ", 0, {{" ", 0, ""}, {" ", 1, ""}, {"ab", 2, ""}}},
    {"TabFromTheMarginGoesToFifty", "<TAB>ab", nullptr, 1000, {{"ab", 0, "", 50}}},
    // The third TAB starts at L + 100, a stop itself, and goes on to the next one.
    {"TabFromAStopGoesToTheNextOne", "<TAB><TAB><TAB>ab", nullptr, 1000, {{"ab", 0, "", 150}}},
    {"TabInsideTheFirstStop", "a<TAB>b", nullptr, 1000, {{"a", 0, ""}, {"b", 0, "", 50}}},
    {"TwoBreaksAdvanceTwoLines", "ab<BR><BR>cd", nullptr, 1000, {{"ab", 0, ""}, {"cd", 2, ""}}},
    {"NoTagsIsOneStretch",
     "ab cd ef",
     nullptr,
     1000,
     {{"ab ", 0, ""}, {"cd ", 0, "ab "}, {"ef", 0, "ab cd "}}},
    {"LeadingTagDrawsAnEmptyStretchFirst", "<P>ab", nullptr, 1000, {{"ab", 0, ""}}},
    {"LayoutTagsChangeNothing",
     "a<P>b<OL>c</OL>d<UL>e</UL>f<LI>g<BOX>h</BOX>i<MARGIN>j<!-- x -->k",
     nullptr,
     1000,
     {{"a", 0, ""},
      {"b", 0, "a"},
      {"c", 0, "ab"},
      {"d", 0, "abc"},
      {"e", 0, "abcd"},
      {"f", 0, "abcde"},
      {"g", 0, "abcdef"},
      {"h", 0, "abcdefg"},
      {"i", 0, "abcdefgh"},
      {"j", 0, "abcdefghi"},
      {"k", 0, "abcdefghij"}}},
    // An unknown entity has code -1: the byte 0xFF, drawn where the pen is with no wrap test.
    {"SpecialCharacterIsOneByteNeverWrapped",
     "a&foo;b",
     nullptr,
     0,
     {{"a", 1, ""}, {"\xFF", 1, "a"}, {"b", 2, ""}}},
    {"LinkAreaEndsAtTheNextTag",
     "<A HREF=x>ab <B>cd</B></A>",
     nullptr,
     1000,
     {{"ab ", 0, ""}, {"cd", 0, "ab "}},
     {{0, "", "ab ", "x"}}},
    {"LinksInDocumentOrder",
     "<A HREF=x>ab</A> <A HREF=y>cd</A>",
     nullptr,
     1000,
     {{"ab", 0, ""}, {" ", 0, "ab"}, {"cd", 0, "ab "}},
     {{0, "", "ab", "x"}, {0, "ab ", "ab cd", "y"}}},
    // The link wraps: its right edge is where "cd" ends on the next line, left of its left edge.
    {"WrappedLinkEndsLeftOfItsStart",
     "wwww <A HREF=x>ab cd</A>",
     "wwww ab ",
     0,
     {{"wwww ", 0, ""}, {"ab ", 0, "wwww "}, {"cd", 1, ""}},
     {{0, "wwww ", "cd", "x"}}},
    {"StartPointMovesMarginAndFirstBaseline",
     "<A HREF=x>ab</A><BR>cd",
     nullptr,
     1000,
     {{"ab", 0, ""}, {"cd", 1, ""}},
     {{0, "", "ab", "x"}},
     {20, 30}},
};

class Layout : public testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, PiecesAndLinksLandWhereMeasured) {
    const LayoutCase& c = GetParam();
    WinHyperText document(c.Markup);
    const Recording probe = RecordDrawing(document, {0, 0});
    ASSERT_FALSE(probe.FontsCreated.empty());
    const LOGFONTW base = probe.FontsCreated.front();
    const auto width = [&](const char* text) { return MeasureText(base, text).cx; };
    const int lineHeight = MeasureText(base, "H").cy;
    const int left = c.Start.x + 5;
    const auto baseline = [&](int line) { return c.Start.y + (line + 1) * lineHeight; };

    document.AreaWidth = c.Fit != nullptr ? 10 + width(c.Fit) + c.Delta : c.Delta;
    const Recording drawn = RecordDrawing(document, c.Start);

    ASSERT_EQ(drawn.Texts.size(), c.Pieces.size());
    for (std::size_t i = 0; i < c.Pieces.size(); ++i) {
        const ExpectedPiece& e = c.Pieces[i];
        const RecordedText& t = drawn.Texts[i];
        EXPECT_EQ(t.Text, e.Text) << "piece " << i;
        EXPECT_EQ(t.At.x, left + e.TabX + width(e.Before)) << "piece " << i;
        EXPECT_EQ(t.At.y, baseline(e.Line)) << "piece " << i;
    }
    ASSERT_EQ(document.Links.size(), c.Links.size());
    for (std::size_t i = 0; i < c.Links.size(); ++i) {
        const ExpectedLink& e = c.Links[i];
        const RECT& a = document.Links[i].Area;
        EXPECT_EQ(a.left, left + width(e.LeftBefore)) << "link " << i;
        EXPECT_EQ(a.right, left + width(e.RightBefore)) << "link " << i;
        EXPECT_EQ(a.bottom, baseline(e.Line) + 3) << "link " << i;
        EXPECT_EQ(a.top, a.bottom - lineHeight) << "link " << i;
        EXPECT_EQ(document.Links[i].Tag->Href, e.Href) << "link " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Layout, testing::ValuesIn(LayoutCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// The host tests the pointer against the areas; a wrapped link's area must hold no point.
TEST(LayoutLinks, WrappedLinkAreaHoldsNoPoint) {
    WinHyperText document("wwww <A HREF=x>ab cd</A>");
    const LOGFONTW base = RecordDrawing(document).FontsCreated.front();
    document.AreaWidth = 10 + MeasureText(base, "wwww ab ").cx;
    RecordDrawing(document);
    ASSERT_EQ(document.Links.size(), 1u);
    const RECT& area = document.Links[0].Area;
    EXPECT_LT(area.right, area.left);
    for (LONG x = 0; x < 200; ++x)
        EXPECT_FALSE(::PtInRect(&area, POINT{x, area.top + 1})) << x;
}

TEST(LayoutLinks, EachDrawingStartsAFreshList) {
    WinHyperText document("<A HREF=x>ab</A>");
    document.AreaWidth = 1000;
    RecordDrawing(document);
    RecordDrawing(document);
    EXPECT_EQ(document.Links.size(), 1u);
}

// An empty document and one never given a text draw nothing and leave no link.
TEST(LayoutEmpty, NothingIsDrawn) {
    WinHyperText never;
    WinHyperText empty("");
    EXPECT_TRUE(RecordDrawing(never).Texts.empty());
    EXPECT_TRUE(RecordDrawing(empty).Texts.empty());
    EXPECT_TRUE(never.Links.empty());
}

} // namespace
