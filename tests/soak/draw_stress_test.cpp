// Thousands of generated documents drawn into a memory DC: deep and unbalanced font tags, long
// words, huge runs of tabs, pictures that fail, tags cut off at the end. Every drawing must come
// back with the font stack empty and the DC's own font selected again, so that nothing of the
// drawing outlives it. Wine reports no GDI object count (GetGuiResources gives 0), so a leak is
// caught the way a user would meet it: each drawing creates fonts, and had they been kept, the
// thousands of drawings would have used up the GDI handle table, and the fonts made afterwards
// would fail.
#include "hypertext/win_hyper_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Documents = 3000;
// A bound on the test's time on a slow machine; the count drawn is printed.
constexpr DWORD BudgetMs = 90000;

class Generator {
public:
    explicit Generator(unsigned seed) : Random(seed) {}

    std::string Document() {
        std::string doc;
        const int pieces = Between(1, 30);
        for (int i = 0; i < pieces; ++i)
            AddPiece(doc);
        // Now and then the document ends inside whatever it was writing.
        if (Between(0, 4) == 0 && !doc.empty())
            doc.resize(static_cast<size_t>(Between(0, static_cast<int>(doc.size()) - 1)));
        return doc;
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Random); }

private:
    std::string Word(int length) {
        std::string word;
        for (int i = 0; i < length; ++i)
            word += static_cast<char>('a' + Between(0, 25));
        return word;
    }

    std::string Repeat(const std::string& text, int times) {
        std::string out;
        for (int i = 0; i < times; ++i)
            out += text;
        return out;
    }

    std::string FontTag() {
        // Sizes are in pixels and unbounded: text in a font hundreds of pixels high is drawn as
        // asked, glyph by glyph, and slowly, so sizes stay within what a document would use.
        static const char* const sizes[] = {"7", "13", "20", "13", "7", "+1", "-1"};
        static const char* const faces[] = {"Arial", "Courier New", "NoSuchFace", ""};
        return std::string("<FONT SIZE=") + sizes[Between(0, 6)] + " COLOR=#" +
               std::to_string(Between(0, 999999)) + " FACE=\"" + faces[Between(0, 3)] + "\">";
    }

    void AddPiece(std::string& doc) {
        static const char* const styles[] = {"<B>", "</B>", "<I>",   "</I>",   "<U>",   "</U>",
                                             "<S>", "</S>", "<SUP>", "</SUP>", "<SUB>", "</SUB>"};
        static const char* const entities[] = {"&copy;", "&amp", "&#999999;", "&", "&nbsp;"};
        switch (Between(0, 11)) {
        case 0:
            doc += FontTag();
            break;
        case 1:
            doc += Repeat("</FONT>", Between(1, 5));
            break;
        case 2:
            doc += Repeat(FontTag(), Between(10, 80)); // deep
            break;
        case 3:
            doc += styles[Between(0, 11)];
            break;
        case 4:
            doc += Word(Between(100, 800)); // wider than any line
            break;
        case 5:
            doc += Repeat("<TAB>", Between(1, 100));
            break;
        case 6:
            doc += "<IMG SRC=\"no-such-picture-" + std::to_string(Between(0, 9)) +
                   ".bmp\" WIDTH=" + std::to_string(Between(-5, 5000)) + ">";
            break;
        case 7:
            doc += Repeat("<BR>", Between(1, 20));
            break;
        case 8:
            doc += "<A HREF=\"" + Word(5) + "\">" + Word(Between(0, 30)) +
                   (Between(0, 1) ? "</A>" : "");
            break;
        case 9:
            doc += entities[Between(0, 4)];
            break;
        default:
            for (int words = Between(1, 30); words > 0; --words)
                doc += Word(Between(1, 12)) + " ";
        }
    }

    std::mt19937 Random;
};

class DrawStressTest : public ::testing::Test {
protected:
    DrawStressTest() {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, 400, -300, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        Canvas = ::CreateDIBSection(Memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        PreviousBitmap = ::SelectObject(Memory, Canvas);
    }
    ~DrawStressTest() override {
        ::SelectObject(Memory, PreviousBitmap);
        ::DeleteObject(Canvas);
        ::DeleteDC(Memory);
    }

    HDC Memory = ::CreateCompatibleDC(nullptr);
    HBITMAP Canvas = nullptr;
    HGDIOBJ PreviousBitmap = nullptr;
};

TEST_F(DrawStressTest, GeneratedDocumentsDrawWithoutLeavingAnythingBehind) {
    Generator generate(20261211);
    TDC dc(Memory);
    const HGDIOBJ ownFont = ::GetCurrentObject(Memory, OBJ_FONT);
    const DWORD start = ::GetTickCount();
    int drawn = 0;
    for (; drawn < Documents && ::GetTickCount() - start < BudgetMs; ++drawn) {
        const int i = drawn;
        const std::string markup = generate.Document();
        WinHyperText document(markup);
        document.AreaWidth = generate.Between(0, 500);
        document.Draw(dc, POINT{generate.Between(-50, 50), generate.Between(-50, 50)});
        ASSERT_TRUE(document.FontStack.empty()) << "document " << i << ": " << markup;
        ASSERT_EQ(ownFont, ::GetCurrentObject(Memory, OBJ_FONT)) << "document " << i;
    }

    std::printf("%d documents drawn in %lu ms\n", drawn, ::GetTickCount() - start);
    EXPECT_GE(drawn, 1000);

    // Fonts can still be made, many of them, so the drawings kept none of theirs.
    LOGFONTA font{};
    font.lfHeight = -13;
    std::vector<HFONT> fonts;
    for (int i = 0; i < 2000; ++i)
        fonts.push_back(::CreateFontIndirectA(&font));
    for (HFONT f : fonts) {
        EXPECT_NE(nullptr, f);
        ::DeleteObject(f);
    }
}

} // namespace
