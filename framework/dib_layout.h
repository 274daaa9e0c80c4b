// Where the parts of a device-independent bitmap lie in a buffer, checked before GDI reads any of
// it: the header, the colour masks and colour table after it, and the pixels must all lie inside
// the buffer, or TXGdi is raised. A packed DIB (what a bitmap resource holds) is the header, the
// masks and table, then the pixels; a .bmp file puts a 14-byte file header in front and says in
// it where the pixels start.
#ifndef QUORVEL_FRAMEWORK_DIB_LAYOUT_H
#define QUORVEL_FRAMEWORK_DIB_LAYOUT_H

#include <windows.h>

#include <cstddef>

struct TDibLayout {
    std::size_t InfoOffset; // the BITMAPINFO: header, masks, colour table
    std::size_t BitsOffset; // the pixels
};

TDibLayout CheckPackedDib(const BYTE* data, std::size_t size);
TDibLayout CheckBitmapFile(const BYTE* data, std::size_t size);

#endif
