// Files are read and checked here rather than handed to LoadImage(LR_LOADFROMFILE): a bitmap
// resource is a packed DIB that needs the same checks anyway, and this way a truncated or foreign
// file is refused the same on every system instead of being drawn half black where LoadImage is
// lenient. The GDI bitmap is made with CreateDIBitmap for the screen, which unpacks every format
// GDI knows (palettes, bit fields, RLE) into one a memory DC can copy from directly.
#include "framework/di_bitmap.h"

#include "framework/dc.h"
#include "framework/gdi_exception.h"

#include <cstring>
#include <limits>
#include <utility>

namespace {

class TFileHandle {
public:
    explicit TFileHandle(HANDLE handle) : Handle(handle) {}
    ~TFileHandle() {
        if (Handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(Handle);
    }
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    operator HANDLE() const { return Handle; }

private:
    HANDLE Handle;
};

// The whole file. A bitmap file states its sizes in 32 bits, so one of 4 GiB or more is no
// bitmap; a smaller one that memory cannot hold raises std::bad_alloc.
std::vector<BYTE> ReadWholeFile(const char* fileName) {
    const TFileHandle file(::CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (file == INVALID_HANDLE_VALUE || !::GetFileSizeEx(file, &size))
        throw TXGdi("cannot open the bitmap file");
    // A device or pipe named as a picture could block the drawing forever.
    if (::GetFileType(file) != FILE_TYPE_DISK)
        throw TXGdi("not a file");
    if (size.QuadPart > std::numeric_limits<DWORD>::max())
        throw TXGdi("file too large for a bitmap");
    std::vector<BYTE> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read != bytes.size())
        throw TXGdi("cannot read the bitmap file");
    return bytes;
}

std::vector<BYTE> CopyResource(HINSTANCE module, UINT resourceId) {
    const HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(resourceId), RT_BITMAP);
    const HGLOBAL loaded = resource != nullptr ? ::LoadResource(module, resource) : nullptr;
    const auto* data =
        static_cast<const BYTE*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
    if (data == nullptr)
        throw TXGdi("no such bitmap resource");
    return std::vector<BYTE>(data, data + ::SizeofResource(module, resource));
}

HBITMAP CreateScreenBitmap(const BYTE* bytes, const TDibLayout& layout) {
    const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes + layout.InfoOffset);
    const TDesktopDC screen;
    const HBITMAP bitmap = ::CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT,
                                            bytes + layout.BitsOffset, info, DIB_RGB_COLORS);
    if (bitmap == nullptr)
        throw TXGdi("CreateDIBitmap failed");
    return bitmap;
}

BITMAPINFOHEADER InfoHeaderAt(const BYTE* bytes, const TDibLayout& layout) {
    BITMAPINFOHEADER header;
    std::memcpy(&header, bytes + layout.InfoOffset, sizeof header);
    return header;
}

} // namespace

TDiBitmap::TDiBitmap(HINSTANCE module, UINT resourceId)
    : TDiBitmap(CopyResource(module, resourceId), CheckPackedDib) {}

TDiBitmap::TDiBitmap(const char* fileName) : TDiBitmap(ReadWholeFile(fileName), CheckBitmapFile) {}

TDiBitmap::TDiBitmap(std::vector<BYTE> bytes, TCheck check)
    : Bytes(std::move(bytes)), Layout(check(Bytes.data(), Bytes.size())),
      Header(InfoHeaderAt(Bytes.data(), Layout)), Bitmap(CreateScreenBitmap(Bytes.data(), Layout)) {
}
