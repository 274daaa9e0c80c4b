// A device-independent bitmap together with the GDI bitmap made from it, both owned and released
// with the object. It comes from a module's RT_BITMAP resource or from a .bmp file; either way
// the bytes are checked before GDI reads them, and every failure raises TXGdi.
#ifndef QUORVEL_FRAMEWORK_DI_BITMAP_H
#define QUORVEL_FRAMEWORK_DI_BITMAP_H

#include "framework/dib_layout.h"
#include "framework/gdi_object.h"

#include <windows.h>

#include <cstddef>
#include <vector>

class TDiBitmap {
public:
    TDiBitmap(HINSTANCE module, UINT resourceId);
    explicit TDiBitmap(const char* fileName);
    TDiBitmap(const TDiBitmap&) = delete;
    TDiBitmap& operator=(const TDiBitmap&) = delete;

    HBITMAP GetHandle() const { return Bitmap; }
    const BITMAPINFOHEADER& GetInfoHeader() const { return Header; }
    int Width() const { return Header.biWidth; }
    // Rows, whichever way they are stored: a top-down picture has a negative biHeight.
    int Height() const { return Header.biHeight < 0 ? -Header.biHeight : Header.biHeight; }

private:
    using TCheck = TDibLayout (*)(const BYTE* data, std::size_t size);
    TDiBitmap(std::vector<BYTE> bytes, TCheck check);

    std::vector<BYTE> Bytes;
    TDibLayout Layout;
    BITMAPINFOHEADER Header;
    TGdiObject<HBITMAP> Bitmap;
};

#endif
