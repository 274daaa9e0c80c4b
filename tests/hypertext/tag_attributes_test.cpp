// Attributes of FONT, IMG and A as the tag classes read them, quirks included, and the values a
// long digit run wraps to.
#include "hypertext/hypertext.h"
#include "hypertext/keywords.h"
#include "hypertext/tag_classes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The first tag of the markup, which must be of the given class and type.
template <class Tag> const Tag* FirstTag(const HyperText& document, int type) {
    if (document.Tags == nullptr || document.Tags->Type != type)
        return nullptr;
    return static_cast<const Tag*>(document.Tags);
}

TEST(TagAttributes, FontTagReadsFaceSizeAndColours) {
    struct Row {
        const char* Markup;
        std::string Face;
        int SizeValue, SizeMode, Color, BgColor;
    };
    const Row rows[] = {
        {"<FONT>", "", 0, HTSIZE_NONE, -1, -1},
        {"<FONT SIZE=+2 COLOR=#FF0000>", "", 2, HTSIZE_PLUS, 0xFF0000, -1},
        {"<font size=3 color=00ff00 face=Arial>", "Arial", 3, HTSIZE_ABSOLUTE, 0x00FF00, -1},
        {"<FONT face = Arial  size\t=\t4>", "Arial", 4, HTSIZE_ABSOLUTE, -1, -1},
        {"<FONT FACE=\"Times New Roman\" BGCOLOR=#00ff00>", "Times New Roman", 0, HTSIZE_NONE, -1,
         0x00FF00},
        {"<FONT SIZE=-1>", "", 1, HTSIZE_MINUS, -1, -1},
        {"<FONT SIZE=150%>", "", 150, HTSIZE_ABSOLUTE, -1, -1},
        // The "%" is consumed, so COLOR directly after it is still a name.
        {"<FONT SIZE=150%COLOR=1>", "", 150, HTSIZE_ABSOLUTE, 1, -1},
        // A second SIZE appends its digits; a second FACE is joined.
        {"<FONT SIZE=1 SIZE=2>", "", 12, HTSIZE_ABSOLUTE, -1, -1},
        {"<FONT FACE=a FACE=\"b c\">", "ab c", 0, HTSIZE_NONE, -1, -1},
        // Only strings understand quotes: the number stays unread.
        {"<FONT SIZE=\"+2\">", "", 0, HTSIZE_ABSOLUTE, -1, -1},
        {"<FONT COLOR=\"#FF0000\">", "", 0, HTSIZE_NONE, -1, -1},
        {"<FONT SIZE=+>", "", 0, HTSIZE_PLUS, -1, -1},
        {"<FONT COLOR=red>", "", 0, HTSIZE_NONE, -1, -1},
        {"<FONT COLOR=beef>", "", 0, HTSIZE_NONE, 0xBEEF, -1},
        {"<FONT COLOR=#>", "", 0, HTSIZE_NONE, -1, -1},
        // An unknown attribute after the known ones is ignored...
        {"<FONT SIZE=+2 REM=x>", "", 2, HTSIZE_PLUS, -1, -1},
        // ...but before them its value is read as a name, which takes the S of SIZE.
        {"<FONT REM=x SIZE=+2>", "", 0, HTSIZE_NONE, -1, -1},
        // BOLD has no value, so the character after it (the S of SIZE) is lost.
        {"<FONT BOLD SIZE=3>", "", 0, HTSIZE_NONE, -1, -1},
        {"<FONT SIZE=3 BOLD>", "", 3, HTSIZE_ABSOLUTE, -1, -1},
        // Entities are not decoded inside a tag.
        {"<FONT FACE=A&amp;B>", "A&amp;B", 0, HTSIZE_NONE, -1, -1},
        {"<FONT FACE=\"Arial>", "Arial", 0, HTSIZE_NONE, -1, -1},
        {"<FONT FACE=>", "", 0, HTSIZE_NONE, -1, -1},
        // Long digit runs wrap in 32 bits.
        {"<FONT SIZE=99999999999>", "", 1215752191, HTSIZE_ABSOLUTE, -1, -1},
        {"<FONT SIZE=+4294967298>", "", 2, HTSIZE_PLUS, -1, -1},
        {"<FONT SIZE=1 SIZE=99999999999>", "", -1863462913, HTSIZE_ABSOLUTE, -1, -1},
        {"<FONT COLOR=123456789 BGCOLOR=80000000>", "", 0, HTSIZE_NONE, 0x23456789,
         -2147483647 - 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Markup);
        const HyperText document(row.Markup);
        const auto* font = FirstTag<HyperTextFontTag>(document, HTK_FONT);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->Face, row.Face);
        EXPECT_EQ(font->Size.Value, row.SizeValue);
        EXPECT_EQ(font->Size.Mode, row.SizeMode);
        EXPECT_EQ(font->Color, row.Color);
        EXPECT_EQ(font->BgColor, row.BgColor);
    }
}

TEST(TagAttributes, ImageTagReadsSourceAndDimensions) {
    struct Row {
        const char* Markup;
        std::string Src;
        int Width, Height, SubX, SubY, SubWidth, SubHeight;
    };
    const Row rows[] = {
        {"<IMG>", "", -1, -1, 0, 0, -1, -1},
        // The sign of a number is skipped; without digits the default stays.
        {"<IMG SRC=pic WIDTH=-20 HEIGHT=abc>", "pic", 20, -1, 0, 0, -1, -1},
        {"<img src=\"my pic.bmp\" width=+10 height=20 subx=1 suby=2 subwidth=3 subheight=4>",
         "my pic.bmp", 10, 20, 1, 2, 3, 4},
        {"<IMG SRC=a.bmp>", "a.bmp", -1, -1, 0, 0, -1, -1},
        {"<IMG WIDTH=\"5\" HEIGHT=7>", "", -1, -1, 0, 0, -1, -1},
        {"<IMG WIDTH=5 WIDTH=6>", "", 6, -1, 0, 0, -1, -1},
        {"<IMG WIDTH=99999999999 SUBX=2147483648>", "", 1215752191, -1, -2147483647 - 1, 0, -1, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Markup);
        const HyperText document(row.Markup);
        const auto* image = FirstTag<HyperTextImageTag>(document, HTK_IMG);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->Src, row.Src);
        EXPECT_EQ(image->Width, row.Width);
        EXPECT_EQ(image->Height, row.Height);
        EXPECT_EQ(image->SubX, row.SubX);
        EXPECT_EQ(image->SubY, row.SubY);
        EXPECT_EQ(image->SubWidth, row.SubWidth);
        EXPECT_EQ(image->SubHeight, row.SubHeight);
    }
}

TEST(TagAttributes, AnchorTagReadsItsTarget) {
    struct Row {
        const char* Markup;
        std::string Href;
    };
    const Row rows[] = {
        {"<A>", ""},
        {"<A HREF=\"target page\">", "target page"},
        {"<A href = target>", "target"},
        {"<A HREF=\"x\" HREF=\"y\">", "xy"},
        {"<A HREF=\"a>b\">", "a"}, // a quoted value ends at ">"
        {"<A HREF=x&y>", "x&y"},
        {"<A HREF=>", ""},
        {"<A HREF>", ""},
        {"<A TITLE=t HREF=u>", ""}, // "t" is read as a name and takes the H of HREF
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Markup);
        const HyperText document(row.Markup);
        const auto* anchor = FirstTag<HyperTextAnchorStartTag>(document, HTK_A);
        ASSERT_NE(anchor, nullptr);
        EXPECT_EQ(anchor->Href, row.Href);
    }
}

TEST(TagAttributes, ClassesDeclareTheirAttributesInOrder) {
    struct Row {
        const char* Markup;
        std::vector<std::string> Names;
        std::vector<int> Kinds;
    };
    const Row rows[] = {
        {"<FONT>",
         {"FACE", "SIZE", "COLOR", "BGCOLOR"},
         {HTV_STRING, HTV_SIZE, HTV_COLOR, HTV_COLOR}},
        {"<IMG>",
         {"SRC", "WIDTH", "HEIGHT", "SUBX", "SUBY", "SUBWIDTH", "SUBHEIGHT"},
         {HTV_STRING, HTV_INTEGER, HTV_INTEGER, HTV_INTEGER, HTV_INTEGER, HTV_INTEGER,
          HTV_INTEGER}},
        {"<A>", {"HREF"}, {HTV_STRING}},
        {"<SPCHR>", {}, {}},
        {"<B>", {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Markup);
        const HyperText document(row.Markup);
        HyperTextTag& tag = *document.Tags;
        const std::vector<HTTagVariable> list = tag.GetVariables();
        EXPECT_EQ(tag.VariableCount, static_cast<int>(row.Names.size()));
        ASSERT_EQ(list.size(), row.Names.size());
        for (std::size_t k = 0; k < list.size(); ++k) {
            EXPECT_EQ(list[k].Name, row.Names[k]);
            EXPECT_EQ(list[k].Kind, row.Kinds[k]);
        }
    }
}

TEST(TagAttributes, VariablesPointAtTheTagsOwnMembers) {
    const HyperText document("<FONT><IMG>");
    auto& font = static_cast<HyperTextFontTag&>(*document.Tags);
    auto& image = static_cast<HyperTextImageTag&>(*document.Tags->Next);
    const std::vector<void*> fontTargets = {&font.Face, &font.Size, &font.Color, &font.BgColor};
    const std::vector<void*> imageTargets = {&image.Src,      &image.Width, &image.Height,
                                             &image.SubX,     &image.SubY,  &image.SubWidth,
                                             &image.SubHeight};
    const auto targetsOf = [](HyperTextTag& tag) {
        std::vector<void*> targets;
        for (const HTTagVariable& variable : tag.GetVariables())
            targets.push_back(variable.Target);
        return targets;
    };
    EXPECT_EQ(targetsOf(font), fontTargets);
    EXPECT_EQ(targetsOf(image), imageTargets);
}

TEST(TagAttributes, SpecialCharTagWrittenAsTagNamesNoCharacter) {
    const HyperText document("<SPCHR 65>");
    const auto* special = FirstTag<HyperTextSpecialCharTag>(document, HTK_SPCHR);
    ASSERT_NE(special, nullptr);
    EXPECT_EQ(special->Code, -1);
}

} // namespace
