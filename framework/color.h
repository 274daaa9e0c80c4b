// Colour values of the class library: a COLORREF (0x00BBGGRR), or one of the special values
// below, or a system colour (top byte 0x80, low 16 bits a COLOR_* index) resolved when it is
// handed to a device context.
#ifndef QUORVEL_FRAMEWORK_COLOR_H
#define QUORVEL_FRAMEWORK_COLOR_H

#include <windows.h>

using TColor = DWORD;

constexpr TColor TColorNone = 0xFF000000;        // background: let the default handling erase
constexpr TColor TColorTransparent = 0xFE000000; // background: erase nothing

constexpr TColor SysColor(int index) {
    return 0x80000000u | static_cast<TColor>(index);
}
constexpr bool IsSysColor(TColor c) {
    return (c >> 24) == 0x80;
}

// The COLORREF a device context gets for this value.
inline COLORREF ResolveColor(TColor c) {
    return IsSysColor(c) ? GetSysColor(static_cast<int>(c & 0xFFFF)) : c;
}

#endif
