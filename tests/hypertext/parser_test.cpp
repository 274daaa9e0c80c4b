// The document: how markup is cut into tags and runs, the text it keeps, and loading a new text.
#include "hypertext/hypertext.h"
#include "hypertext/keywords.h"
#include "hypertext/tag_classes.h"
#include "tests/hypertext/element_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Elements = std::vector<std::string>;

TEST(Parser, CutsMarkupIntoTagsAndRuns) {
    struct Row {
        std::string Markup;
        Elements Expected;
    };
    const Row rows[] = {
        {"", {"''"}},
        {"plain text", {"'plain text'"}},
        {"a<B>b</B>c", {"'a'", "B 1-3", "'b'", "/B 5-8", "'c'"}},
        {"1 > 0", {"'1 > 0'"}},
        {"<BR><BR>", {"''", "BR 0-3", "''", "BR 4-7", "''"}},
        {" <TAB>\tx  ", {"' '", "TAB 1-5", "'\tx  '"}},
        {"<A HREF=\"x\">link</A>", {"''", "A 0-11 href=x", "'link'", "/A 16-19", "''"}},
        // A tag runs to the first ">": comments, quotes and a second "<" do not protect one.
        {"<!-- a > b -->c", {"''", "!-- 0-7", "' b -->c'"}},
        {"<!--note-->", {"''", "NONE 0-10", "''"}},
        {"<A HREF=\"a>b\">", {"''", "A 0-10 href=a", "'b\">'"}},
        {"<B<I>x", {"''", "NONE 0-4", "'x'"}},
        {"<>", {"''", "NONE 0-1", "''"}},
        {"< B>", {"''", "NONE 0-3", "''"}},
        // An unclosed "<" ends at the text's end and leaves no run.
        {"a < b", {"'a '", "NONE 2-5", "''"}},
        {"<", {"''", "NONE 0-1", "''"}},
        {"x<", {"'x'", "NONE 1-2", "''"}},
        {"<FONT SIZE=2", {"''", "FONT 0-12", "''"}},
        // Entities: "&", an optional "#", letters and digits, and a directly following ";".
        {"AT&T", {"'AT'", "SPCHR 2-3 code=-1", "''"}},
        {"&amp;&lt;", {"''", "SPCHR 0-4 code=38", "''", "SPCHR 5-8 code=60", "''"}},
        {"&#169;2001", {"''", "SPCHR 0-5 code=169", "'2001'"}},
        {"&#1692001", {"''", "SPCHR 0-8 code=169", "''"}},
        {"&lt", {"''", "SPCHR 0-2 code=60", "''"}},
        {"&copy2 x", {"''", "SPCHR 0-5 code=169", "' x'"}},
        {"&amp ;", {"''", "SPCHR 0-3 code=38", "' ;'"}},
        {"&", {"''", "SPCHR 0-0 code=-1", "''"}},
        {"a&", {"'a'", "SPCHR 1-1 code=-1", "''"}},
        {"&;", {"''", "SPCHR 0-1 code=-1", "''"}},
        {"& b", {"''", "SPCHR 0-0 code=-1", "' b'"}},
        {"&#", {"''", "SPCHR 0-1 code=-1", "''"}},
        {"&# x", {"''", "SPCHR 0-1 code=-1", "' x'"}},
        {"&&", {"''", "SPCHR 0-0 code=-1", "''", "SPCHR 1-1 code=-1", "''"}},
        {"caf\xE9 &eacute;", {"'caf\xE9 '", "SPCHR 5-12 code=233", "''"}},
        {"&am\xE9", {"''", "SPCHR 0-2 code=-1", "'\xE9'"}},
        // Entities inside a tag stay part of it.
        {"<FONT FACE=A&amp;B>x", {"''", "FONT 0-18", "'x'"}},
        {"<B>&amp;</B>", {"''", "B 0-2", "''", "SPCHR 3-7 code=38", "''", "/B 8-11", "''"}},
        // Line breaks vanish before the scan; the markup ends at its first NUL.
        {"a\r\nb", {"'ab'"}},
        {"a<B\r\nR>b\n", {"'a'", "BR 1-4", "'b'"}},
        {"\r\n\r", {"''"}},
        {std::string("a<B>\0<I>", 8), {"'a'", "B 1-3", "''"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Markup);
        EXPECT_EQ(DescribeElements(HyperText(row.Markup)), row.Expected);
    }
}

TEST(Parser, KeepsTheMarkupWithoutLineBreaks) {
    EXPECT_EQ(HyperText("x\r\ny").GetText(), "xy");
    EXPECT_EQ(HyperText("x\r\ny").Text.get(), std::string("xy"));
    EXPECT_EQ(HyperText("\n<B>\r").GetText(), "<B>");
    EXPECT_EQ(HyperText("").GetText(), "");
    EXPECT_EQ(HyperText(std::string("ab\0cd", 5)).GetText(), "ab");
}

TEST(Parser, EmptyDocumentHasNoTextAndOneEmptyRun) {
    const HyperText document;
    EXPECT_EQ(document.Text, nullptr);
    EXPECT_EQ(document.Tags, nullptr);
    EXPECT_EQ(document.GetText(), "");
    EXPECT_EQ(DescribeElements(document), Elements{"''"});
}

TEST(Parser, SetTextReplacesTextAndTags) {
    HyperText document("<A HREF=old>x</A>");
    document.SetText("a<B>b");
    EXPECT_EQ(document.GetText(), "a<B>b");
    EXPECT_EQ(DescribeElements(document), (Elements{"'a'", "B 1-3", "'b'"}));
    document.SetText("plain");
    EXPECT_EQ(document.Tags, nullptr);
    EXPECT_EQ(DescribeElements(document), Elements{"'plain'"});
}

TEST(Parser, SetTextAcceptsTheDocumentsOwnText) {
    HyperText document("a<I>b");
    document.SetText(document.Text.get());
    EXPECT_EQ(DescribeElements(document), (Elements{"'a'", "I 1-3", "'b'"}));
}

// Every prefix of real markup, so that each scan meets the text's end in every state: inside a
// name, before and after "=", inside quoted and bare values, inside an entity. The text buffer is
// sized exactly, so the sanitizer catches any read past its NUL; the elements must still cover
// the text exactly, in order.
TEST(Parser, EveryTruncationParsesAndTilesTheText) {
    const std::string samples[] = {
        "<FONT FACE=\"Arial\" SIZE=+2 COLOR=#FF0000 BGCOLOR=00ff00>Big</FONT>",
        "<IMG SRC=\"pic.bmp\" WIDTH=-20 HEIGHT=10 SUBX=1 SUBY=2 SUBWIDTH=3 SUBHEIGHT=4 >",
        "<A HREF=\"http://x/\" HREF=y>link &amp; more</A>",
        "<FONT BOLD SIZE=3 REM=x COLOR=\"#1\">&#169;2001 &copy2&eacute;&#;&#x41;",
        "<!-- a > b --><B>b</B> AT&T <BR/>< B>",
    };
    for (const std::string& sample : samples) {
        for (std::size_t length = 0; length <= sample.size(); ++length) {
            const std::string prefix = sample.substr(0, length);
            SCOPED_TRACE(prefix);
            EXPECT_EQ(ReassembleMarkup(HyperText(prefix)), prefix);
        }
    }
}

TEST(Parser, UnclosedTagsReadTheirAttributesToTheEnd) {
    const HyperText font("<FONT SIZE=2");
    ASSERT_EQ(font.Tags->Type, HTK_FONT);
    const auto& size = static_cast<const HyperTextFontTag&>(*font.Tags).Size;
    EXPECT_EQ(size.Value, 2);
    EXPECT_EQ(size.Mode, HTSIZE_ABSOLUTE);

    const HyperText anchor("x<A HREF=\"abc");
    ASSERT_EQ(anchor.Tags->Type, HTK_A);
    EXPECT_EQ(static_cast<const HyperTextAnchorStartTag&>(*anchor.Tags).Href, "abc");
    EXPECT_EQ(anchor.Tags->End, 13);
}

} // namespace
