// The class library's bitmap reader: what it accepts from files and resources, and that it
// refuses, with TXGdi, every file whose header or pixels would take GDI past the file's end.
#include "framework/di_bitmap.h"
#include "framework/gdi_exception.h"
#include "tests/hypertext/renderer_test_ids.h"
#include "tests/hypertext/test_bitmap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr std::size_t InfoAt = sizeof(BITMAPFILEHEADER);

COLORREF Gradient(int x, int y) {
    return RGB(x * 40, y * 90, 7);
}

// 3 x 2 at 24 bits: rows of 9 bytes padded to 12, 54 + 24 = 78 bytes.
std::vector<BYTE> SmallFile() {
    return BitmapFile(3, 2, Gradient);
}

template <class T> void Poke(std::vector<BYTE>& bytes, std::size_t at, T value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

BITMAPINFOHEADER InfoOf(const std::vector<BYTE>& bytes) {
    BITMAPINFOHEADER info;
    std::memcpy(&info, bytes.data() + InfoAt, sizeof info);
    return info;
}

void SetInfo(std::vector<BYTE>& bytes, const std::function<void(BITMAPINFOHEADER&)>& change) {
    BITMAPINFOHEADER info = InfoOf(bytes);
    change(info);
    Poke(bytes, InfoAt, info);
}

struct FileCase {
    const char* Name;
    std::function<void(std::vector<BYTE>&)> Change;
    bool Accepted;
};

const FileCase FileCases[] = {
    {"Plain", [](auto&) {}, true},
    {"TopDown", [](auto& b) { SetInfo(b, [](auto& i) { i.biHeight = -2; }); }, true},
    // Bytes after the pixels are harmless.
    {"TrailingBytes", [](auto& b) { b.resize(b.size() + 5); }, true},
    {"WrongMagic", [](auto& b) { b[1] = 'N'; }, false},
    {"CoreHeader", [](auto& b) { SetInfo(b, [](auto& i) { i.biSize = 12; }); }, false},
    {"HeaderSizePastTheEnd", [](auto& b) { SetInfo(b, [](auto& i) { i.biSize = 4000; }); }, false},
    {"PixelsOffsetPastTheEnd", [](auto& b) { Poke<DWORD>(b, 10, 79); }, false},
    {"PixelsOffsetInsideTheHeader", [](auto& b) { Poke<DWORD>(b, 10, 20); }, false},
    {"ZeroWidth", [](auto& b) { SetInfo(b, [](auto& i) { i.biWidth = 0; }); }, false},
    {"TwoPlanes", [](auto& b) { SetInfo(b, [](auto& i) { i.biPlanes = 2; }); }, false},
    {"OddBitCount", [](auto& b) { SetInfo(b, [](auto& i) { i.biBitCount = 7; }); }, false},
    {"UnknownCompression", [](auto& b) { SetInfo(b, [](auto& i) { i.biCompression = BI_JPEG; }); },
     false},
    // 8 bits per pixel: a table of 256 entries would run past the end.
    {"ColourTablePastTheEnd", [](auto& b) { SetInfo(b, [](auto& i) { i.biBitCount = 8; }); },
     false},
    {"MoreColoursThanTheDepthAllows",
     [](auto& b) {
         SetInfo(b, [](auto& i) {
             i.biBitCount = 8;
             i.biClrUsed = 257;
         });
     },
     false},
    // Row size times rows overflows 32 bits; checked without multiplying.
    {"HugeDimensions",
     [](auto& b) {
         SetInfo(b, [](auto& i) {
             i.biWidth = 0x7FFFFFFF;
             i.biHeight = 0x7FFFFFFF;
             i.biBitCount = 32;
         });
     },
     false},
    {"LowestHeight", [](auto& b) { SetInfo(b, [](auto& i) { i.biHeight = INT32_MIN; }); }, false},
    {"RleLongerThanTheFile",
     [](auto& b) {
         SetInfo(b, [](auto& i) {
             i.biBitCount = 8;
             i.biCompression = BI_RLE8;
             i.biClrUsed = 1;
             i.biSizeImage = 100;
         });
     },
     false},
};

class BitmapFiles : public testing::TestWithParam<FileCase> {};

TEST_P(BitmapFiles, AcceptedOrRefused) {
    std::vector<BYTE> bytes = SmallFile();
    GetParam().Change(bytes);
    const TempFile file(bytes);
    if (GetParam().Accepted) {
        const TDiBitmap bitmap(file.Path().c_str());
        EXPECT_NE(bitmap.GetHandle(), nullptr);
        EXPECT_EQ(bitmap.Width(), 3);
        EXPECT_EQ(bitmap.Height(), 2);
        EXPECT_EQ(bitmap.GetInfoHeader().biBitCount, 24);
    } else {
        EXPECT_THROW(TDiBitmap(file.Path().c_str()), TXGdi);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BitmapFiles, testing::ValuesIn(FileCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(BitmapFile, EveryTruncationIsRefused) {
    const std::vector<BYTE> whole = SmallFile();
    for (std::size_t keep = 0; keep < whole.size(); ++keep) {
        const TempFile file(std::vector<BYTE>(whole.begin(), whole.begin() + keep));
        EXPECT_THROW(TDiBitmap(file.Path().c_str()), TXGdi) << keep << " bytes";
    }
}

TEST(BitmapFile, MissingFileAndDirectoryAreRefused) {
    EXPECT_THROW(TDiBitmap("no-such-picture.bmp"), TXGdi);
    EXPECT_THROW(TDiBitmap(""), TXGdi);
    char directory[MAX_PATH];
    ASSERT_NE(::GetTempPathA(MAX_PATH, directory), 0u);
    EXPECT_THROW(TDiBitmap{directory}, TXGdi);
}

TEST(BitmapResource, FoundByIdentifierOrRefused) {
    const HINSTANCE self = ::GetModuleHandleA(nullptr);
    const TDiBitmap bitmap(self, IDB_TEST_PALETTED);
    EXPECT_EQ(bitmap.Width(), 20);
    EXPECT_EQ(bitmap.Height(), 8);
    EXPECT_EQ(bitmap.GetInfoHeader().biBitCount, 8);
    EXPECT_THROW(TDiBitmap(self, 0), TXGdi);
    EXPECT_THROW(TDiBitmap(self, IDB_TEST_PALETTED + 1), TXGdi);
}

// The pixels survive the trip through the palette into the screen-format bitmap.
TEST(BitmapResource, PaletteColoursArrive) {
    const TDiBitmap bitmap(::GetModuleHandleA(nullptr), IDB_TEST_PALETTED);
    const HDC memory = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap.GetHandle());
    EXPECT_EQ(::GetPixel(memory, 0, 0), RGB(10, 200, 30));
    EXPECT_EQ(::GetPixel(memory, 19, 7), RGB(220, 40, 160));
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
}

TEST(BitmapOwnership, TheBitmapIsReleasedWithTheObject) {
    const long before = GdiObjectsOwned;
    HBITMAP handle;
    {
        const TDiBitmap bitmap(::GetModuleHandleA(nullptr), IDB_TEST_PALETTED);
        handle = bitmap.GetHandle();
        EXPECT_EQ(GdiObjectsOwned, before + 1);
        EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_BITMAP));
    }
    EXPECT_EQ(GdiObjectsOwned, before);
    EXPECT_EQ(::GetObjectType(handle), 0u);
}

} // namespace
