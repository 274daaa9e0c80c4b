// Pictures of IMG tags, by pixels: a 100 x 40 bitmap of 20 coloured parts is drawn into a memory
// DC and each destination pixel is compared with the part of the source it stretches from. The
// pen after the picture and the error text come from a metafile recording of the same drawing.
#include "hypertext/image_registry.h"
#include "tests/hypertext/drawing_probe.h"
#include "tests/hypertext/renderer_test_ids.h"
#include "tests/hypertext/test_bitmap.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr POINT Start = {0, 60}; // low enough for a 40-pixel picture on the first line

struct PictureCase {
    const char* Name;
    const char* Attributes;
    RECT Source; // the part of the bitmap drawn
    SIZE Drawn;  // its size on the canvas
};

const PictureCase PictureCases[] = {
    {"Whole", "", {0, 0, 100, 40}, {100, 40}},
    {"SubXStretchesTheRestToTheFullWidth", "SUBX=10", {10, 0, 100, 40}, {100, 40}},
    {"WidthKeepsTheHeight", "WIDTH=50", {0, 0, 100, 40}, {50, 40}},
    {"SubWidthAloneIsAlsoTheDrawnWidth", "SUBWIDTH=20", {0, 0, 20, 40}, {20, 40}},
    {"SubHeightAloneIsAlsoTheDrawnHeight", "SUBY=20 SUBHEIGHT=20", {0, 20, 100, 40}, {100, 20}},
    {"HeightSqueezes", "HEIGHT=20", {0, 0, 100, 40}, {100, 20}},
    {"WidthWinsOverSubWidth", "SUBX=50 SUBWIDTH=50 WIDTH=25", {50, 0, 100, 40}, {25, 40}},
};

// The source coordinates [from, to) that destination pixel d of `drawn` covers fall in one part
// of `partSize` pixels; -1 where they straddle two parts and stretching may mix them.
int PartOf(int d, int drawn, int from, int to, int partSize) {
    const double scale = double(to - from) / drawn;
    const int first = int(from + d * scale);
    const int last = int(from + (d + 1) * scale - 1e-9);
    return first / partSize == last / partSize ? first : -1;
}

class Pictures : public testing::TestWithParam<PictureCase> {
protected:
    TempFile Banded{BitmapFile(BandedWidth, BandedHeight, BandedColor)};
};

TEST_P(Pictures, DrawnFromTheRightPartAtTheRightSize) {
    const PictureCase& c = GetParam();
    const std::string markup = "<IMG SRC=\"" + Banded.Path() + "\" " + c.Attributes + ">ab";
    WinHyperText document(markup);
    document.AreaWidth = 1000;
    const Recording recorded = RecordDrawing(document, Start);
    ASSERT_EQ(recorded.Texts.size(), 1u) << "no error text";
    const POINT pen = recorded.Texts[0].At;
    EXPECT_EQ(pen.x, 5 + c.Drawn.cx) << "the pen moves by the drawn width";

    Canvas canvas(200, 120, White);
    document.Draw(canvas.Dc(), Start);
    const int left = 5;
    const int top = pen.y - c.Drawn.cy + 2; // the bottom edge 2 pixels below the baseline
    for (int y = top - 1; y <= top + c.Drawn.cy; ++y) {
        for (int x = left - 1; x <= left + c.Drawn.cx; ++x) {
            const bool inside =
                x >= left && x < left + c.Drawn.cx && y >= top && y < top + c.Drawn.cy;
            if (!inside) {
                if (x < left + c.Drawn.cx || y < pen.y - 12) { // "ab" follows on the right
                    ASSERT_EQ(canvas.Pixel(x, y), White) << x << "," << y;
                }
                continue;
            }
            const int sx = PartOf(x - left, c.Drawn.cx, c.Source.left, c.Source.right, 10);
            const int sy = PartOf(y - top, c.Drawn.cy, c.Source.top, c.Source.bottom, 20);
            if (sx >= 0 && sy >= 0) {
                ASSERT_EQ(canvas.Pixel(x, y), BandedColor(sx, sy)) << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Pictures, testing::ValuesIn(PictureCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Every way of not having the picture: the error text at the pen, the pen unmoved (the text
// after it lands on the same point) and no blit.
struct ErrorCase {
    const char* Name;
    std::vector<BYTE> FileBytes; // written to a file that SRC names; SRC is Src when empty
    const char* Src;
};

std::vector<BYTE> Truncated(std::vector<BYTE> bytes, std::size_t keep) {
    bytes.resize(keep);
    return bytes;
}

const std::vector<BYTE> BandedFile = BitmapFile(BandedWidth, BandedHeight, BandedColor);

const ErrorCase ErrorCases[] = {
    {"MissingFile", {}, "no-such-picture.bmp"},
    {"EmptySource", {}, ""},
    {"TruncatedPixels", Truncated(BandedFile, BandedFile.size() - 1), nullptr},
    {"TruncatedHeader", Truncated(BandedFile, 30), nullptr},
    {"NotABitmap", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, nullptr},
    // No name is registered in this program, so the identifier is 0 and names no resource.
    {"UnregisteredName", {}, "#banner"},
};

class PictureErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(PictureErrors, ErrorTextAtAnUnmovedPen) {
    const ErrorCase& c = GetParam();
    std::unique_ptr<TempFile> file;
    std::string src = c.Src != nullptr ? c.Src : "";
    if (c.Src == nullptr) {
        file = std::make_unique<TempFile>(c.FileBytes);
        src = file->Path();
    }
    WinHyperText document("x<IMG SRC=\"" + src + "\">ab");
    document.AreaWidth = 1000;
    const Recording drawn = RecordDrawing(document, Start);
    ASSERT_EQ(drawn.Texts.size(), 3u);
    EXPECT_EQ(drawn.Texts[1].Text, "<< IMAGE ERROR! >>");
    EXPECT_EQ(drawn.Texts[1].At.x, drawn.Texts[0].At.x + MeasureText(drawn.Texts[0].Font, "x").cx);
    EXPECT_EQ(drawn.Texts[2].At.x, drawn.Texts[1].At.x);
    EXPECT_EQ(drawn.Texts[2].At.y, drawn.Texts[1].At.y);
    EXPECT_TRUE(drawn.Blits.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, PictureErrors, testing::ValuesIn(ErrorCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// A host may register names; the identifier's low 16 bits name the program's own bitmap.
TEST(PictureRegistry, RegisteredNameDrawsTheProgramsBitmap) {
    static const char name[] = "paletted";
    ImageRegistry[name] = 0x00010000u | IDB_TEST_PALETTED;
    WinHyperText document("<IMG SRC=#paletted>");
    document.AreaWidth = 1000;
    Canvas canvas(100, 100, White);
    document.Draw(canvas.Dc(), Start);
    ImageRegistry.erase(name);
    WinHyperText probe("a");
    const int baseline = Start.y + MeasureText(RecordDrawing(probe).FontsCreated.at(0), "H").cy;
    EXPECT_EQ(canvas.Pixel(5, baseline + 1), RGB(10, 200, 30));
    EXPECT_EQ(canvas.Pixel(24, baseline - 6), RGB(220, 40, 160));
    EXPECT_EQ(canvas.Pixel(25, baseline - 6), White);
    EXPECT_EQ(canvas.Pixel(5, baseline - 7), White);

    WinHyperText unregistered("<IMG SRC=#paletted>");
    RecordDrawing(unregistered);
    EXPECT_EQ(ImageRegistry.count(name), 0u) << "a lookup adds nothing";
}

} // namespace
