// Bounds checks for bitmaps read from files and resources. Sizes are worked out in 64 bits, so no
// header value can wrap a sum around on the 32-bit build. Only the header GDI documents for
// CreateDIBitmap is accepted: BITMAPINFOHEADER and its longer V4 and V5 forms (the old 12-byte
// core header is refused), with the compressions GDI can unpack into any device's bitmap.
//
// Example: a 100 x 40 picture at 24 bits has rows of 300 bytes padded to 4, so 300; its pixels
// need 300 x 40 = 12000 bytes from the offset the file header gives, or the file is truncated.
#include "framework/dib_layout.h"

#include "framework/gdi_exception.h"

#include <cstdint>
#include <cstring>

namespace {

using Size = std::uint64_t;

constexpr Size FileHeaderSize = sizeof(BITMAPFILEHEADER);
constexpr Size InfoHeaderSize = sizeof(BITMAPINFOHEADER);
constexpr WORD BitmapFileMagic = 0x4D42; // "BM"

[[noreturn]] void Reject(const char* why) {
    throw TXGdi(why);
}

bool IsSupportedFormat(const BITMAPINFOHEADER& h) {
    switch (h.biCompression) {
    case BI_RGB:
        return h.biBitCount == 1 || h.biBitCount == 4 || h.biBitCount == 8 || h.biBitCount == 16 ||
               h.biBitCount == 24 || h.biBitCount == 32;
    case BI_BITFIELDS:
        return h.biBitCount == 16 || h.biBitCount == 32;
    case BI_RLE8:
        return h.biBitCount == 8 && h.biHeight > 0; // compressed pictures are stored bottom-up
    case BI_RLE4:
        return h.biBitCount == 4 && h.biHeight > 0;
    default:
        return false;
    }
}

// The header, the masks a plain BITMAPINFOHEADER keeps after itself, and the colour table.
Size InfoSize(const BITMAPINFOHEADER& h) {
    const Size masks = h.biCompression == BI_BITFIELDS && h.biSize == InfoHeaderSize ? 12 : 0;
    const Size paletteLimit = h.biBitCount <= 8 ? Size{1} << h.biBitCount : 0;
    if (h.biClrUsed > paletteLimit && h.biBitCount <= 8)
        Reject("colour table larger than the bit depth allows");
    const Size colours = h.biClrUsed != 0 ? h.biClrUsed : paletteLimit;
    return h.biSize + masks + colours * sizeof(RGBQUAD);
}

// Whether `available` bytes hold the pixels; rows are padded to whole DWORDs.
bool PixelsFit(const BITMAPINFOHEADER& h, Size available) {
    if (h.biCompression == BI_RLE8 || h.biCompression == BI_RLE4)
        return h.biSizeImage != 0 && h.biSizeImage <= available;
    const Size stride = (Size(h.biWidth) * h.biBitCount + 31) / 32 * 4;
    const Size rows = static_cast<Size>(h.biHeight < 0 ? -std::int64_t{h.biHeight} : h.biHeight);
    return rows <= available / stride;
}

BITMAPINFOHEADER ReadInfoHeader(const BYTE* data, Size size) {
    BITMAPINFOHEADER h;
    if (size < InfoHeaderSize)
        Reject("truncated bitmap header");
    std::memcpy(&h, data, sizeof h);
    if (h.biSize < InfoHeaderSize || h.biSize > size)
        Reject("not a Windows bitmap header");
    if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN || h.biPlanes != 1)
        Reject("bad bitmap dimensions");
    if (!IsSupportedFormat(h))
        Reject("unsupported bitmap format");
    return h;
}

// `bits` counts from the start of the header; 0 means the pixels follow the colour table.
TDibLayout CheckFrom(const BYTE* data, Size size, Size infoOffset, Size bits) {
    const BITMAPINFOHEADER h = ReadInfoHeader(data + infoOffset, size - infoOffset);
    const Size infoEnd = infoOffset + InfoSize(h);
    if (infoEnd > size)
        Reject("truncated colour table");
    const Size bitsOffset = bits != 0 ? infoOffset + bits : infoEnd;
    if (bitsOffset < infoEnd || bitsOffset > size)
        Reject("pixels overlap the header or lie past the end");
    if (!PixelsFit(h, size - bitsOffset))
        Reject("truncated pixels");
    return {static_cast<std::size_t>(infoOffset), static_cast<std::size_t>(bitsOffset)};
}

} // namespace

TDibLayout CheckPackedDib(const BYTE* data, std::size_t size) {
    return CheckFrom(data, size, 0, 0);
}

TDibLayout CheckBitmapFile(const BYTE* data, std::size_t size) {
    BITMAPFILEHEADER file;
    if (size < FileHeaderSize)
        Reject("truncated file header");
    std::memcpy(&file, data, sizeof file);
    if (file.bfType != BitmapFileMagic)
        Reject("not a bitmap file");
    if (file.bfOffBits < FileHeaderSize + InfoHeaderSize)
        Reject("pixels overlap the header");
    return CheckFrom(data, size, FileHeaderSize, file.bfOffBits - FileHeaderSize);
}
