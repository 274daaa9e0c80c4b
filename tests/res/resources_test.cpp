// The program's pictures, strings, colour-name table, version resource and manifest, loaded the
// way the program loads them from the module that carries them.
#include "res/resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

struct RawResource {
    const BYTE* Data = nullptr;
    DWORD Size = 0;
};

RawResource FindRaw(LPCSTR type, int id) {
    HRSRC resource = FindResourceA(Module(), MAKEINTRESOURCEA(id), type);
    if (!resource)
        return {};
    return {static_cast<const BYTE*>(LockResource(LoadResource(Module(), resource))),
            SizeofResource(Module(), resource)};
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

// An icon or cursor's bitmaps, released with the object.
struct IconBitmaps : ICONINFO {
    explicit IconBitmaps(HICON icon) : ICONINFO() { Loaded = icon && GetIconInfo(icon, this); }
    ~IconBitmaps() {
        DeleteObject(hbmMask);
        DeleteObject(hbmColor);
    }
    IconBitmaps(const IconBitmaps&) = delete;
    IconBitmaps& operator=(const IconBitmaps&) = delete;

    bool Loaded;
};

// The cursor's AND mask, one bit per pixel, top row first: 0 where the cursor draws.
std::vector<BYTE> MaskBits(HBITMAP mask, int width, int height) {
    struct {
        BITMAPINFOHEADER Header;
        RGBQUAD Colours[2];
    } info = {};
    info.Header = {sizeof(BITMAPINFOHEADER), width, -height, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<BYTE> bits(((width + 31) / 32) * 4 * height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, mask, 0, height, bits.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bits;
}

bool Opaque(const std::vector<BYTE>& mask, int width, int x, int y) {
    int stride = ((width + 31) / 32) * 4;
    return !(mask[y * stride + x / 8] & (0x80 >> (x % 8)));
}

TEST(Resources, IconIsOne32By32ImageIn16Colours) {
    RawResource directory = FindRaw(MAKEINTRESOURCEA(14), IDI_QUORVEL); // RT_GROUP_ICON
    ASSERT_GE(directory.Size, 6u + 14u);
    const BYTE* entry = directory.Data + 6; // after idReserved, idType, idCount
    EXPECT_EQ(directory.Data[4], 1);        // one image
    EXPECT_EQ(entry[0], 32);                // width
    EXPECT_EQ(entry[1], 32);                // height
    EXPECT_EQ(entry[2], 16);                // colours
    EXPECT_EQ(entry[6], 4);                 // bits per pixel

    IconBitmaps icon(LoadIconA(Module(), MAKEINTRESOURCEA(IDI_QUORVEL)));
    ASSERT_TRUE(icon.Loaded);
    SIZE size = BitmapSize(icon.hbmColor);
    EXPECT_EQ(size.cx, 32);
    EXPECT_EQ(size.cy, 32);
}

TEST(Resources, LinkCursorIsMonochromeWithTheFingertipAtItsHotSpot) {
    IconBitmaps cursor(LoadCursorA(Module(), MAKEINTRESOURCEA(IDC_LINK_HAND)));
    ASSERT_TRUE(cursor.Loaded);
    EXPECT_FALSE(cursor.fIcon);
    EXPECT_EQ(cursor.xHotspot, 0u);
    EXPECT_EQ(cursor.yHotspot, 0u);
    EXPECT_EQ(cursor.hbmColor, nullptr); // monochrome: AND and XOR planes in one mask bitmap
    SIZE size = BitmapSize(cursor.hbmMask);
    ASSERT_EQ(size.cx, 32);
    ASSERT_EQ(size.cy, 64);

    // The fingertip touches the hot spot: the cursor draws right beside the corner pixel.
    std::vector<BYTE> mask = MaskBits(cursor.hbmMask, 32, 64);
    EXPECT_TRUE(Opaque(mask, 32, 1, 0) || Opaque(mask, 32, 0, 0));
    EXPECT_TRUE(Opaque(mask, 32, 0, 1));
}

TEST(Resources, BannerIs27By180At8BitsWith207Colours) {
    RawResource raw = FindRaw(MAKEINTRESOURCEA(2), IDB_ABOUT_BANNER); // RT_BITMAP
    ASSERT_GE(raw.Size, sizeof(BITMAPINFOHEADER));
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(raw.Data);
    EXPECT_EQ(header->biClrUsed, 207u);

    HANDLE bitmap = LoadImageA(Module(), MAKEINTRESOURCEA(IDB_ABOUT_BANNER), IMAGE_BITMAP, 0, 0,
                               LR_CREATEDIBSECTION);
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION section = {};
    ASSERT_EQ(GetObjectA(bitmap, sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmWidth, 27);
    EXPECT_EQ(section.dsBm.bmHeight, 180);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 8);
    DeleteObject(bitmap);
}

TEST(Resources, AboutTitleStringNamesTheProgramAndItsCopyright) {
    wchar_t text[256] = {};
    int length = LoadStringW(Module(), IDS_ABOUT_TITLE, text, 256);
    ASSERT_GT(length, 0);
    std::wstring title(text, length);
    EXPECT_EQ(title.rfind(L"Quorvel ", 0), 0u) << "starts with the program's name";
    EXPECT_NE(title.find(L"\n\u00A9 "), std::wstring::npos) << "a real copyright sign";
}

TEST(Resources, ColourTableIsTheShipped2734Bytes) {
    RawResource table = FindRaw(MAKEINTRESOURCEA(RT_COLOR_TABLE), IDR_COLOR_TABLE);
    EXPECT_EQ(table.Size, 2734u);
}

TEST(Resources, VersionResourceNamesTheProductAndItsVersion) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(Module(), path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<BYTE> data(GetFileVersionInfoSizeA(path, &ignored));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(data.size()), data.data()));

    char* product = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904B0\\ProductName",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, "Quorvel");

    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(QUORVEL_VERSION_MINOR, QUORVEL_VERSION_MAJOR));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, QUORVEL_VERSION_PATCH));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
}

std::wstring ProcessSetting(const wchar_t* schema, const wchar_t* name) {
    wchar_t value[128] = {};
    SIZE_T length = 0;
    if (!QueryActCtxSettingsW(0, nullptr, schema, name, value, 128, &length))
        return L"(not set)";
    return value;
}

// The manifest is the process's own: the system found the DPI settings in their schemas.
TEST(Resources, ManifestDeclaresPerMonitorDpiAwareness) {
    EXPECT_EQ(ProcessSetting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"),
              L"true/pm");
    EXPECT_EQ(
        ProcessSetting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
        L"PerMonitorV2, PerMonitor");
}

} // namespace
