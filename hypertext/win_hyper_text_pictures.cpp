// Pictures of IMG tags. The bitmap comes from a file, or with SRC "#name" from the program's own
// RT_BITMAP resource that ImageRegistry names. It is copied with StretchBlt so that its bottom
// edge lies 2 pixels below the baseline; SUBX, SUBY, SUBWIDTH and SUBHEIGHT cut the part drawn
// and WIDTH and HEIGHT give the size drawn, a SUB size standing in for a missing drawn size.
//
// Example: a 100 x 40 bitmap with SUBX=10 copies the 90 x 40 columns from x 10 into 100 x 40;
// with SUBWIDTH=20 alone it copies 20 columns into 20.
//
// A picture that cannot be had leaves "<< IMAGE ERROR! >>" at the pen and the pen where it was.
// The bitmap and the memory DC are owners, so they are gone on both ways out.
#include "hypertext/win_hyper_text.h"

#include "framework/di_bitmap.h"
#include "framework/gdi_exception.h"
#include "framework/memory_dc.h"
#include "hypertext/image_registry.h"

#include <new>

namespace {

constexpr char ImageErrorText[] = "<< IMAGE ERROR! >>";
constexpr int PictureDescent = 2; // the picture's bottom edge below the baseline

struct PictureGeometry {
    RECT Destination;
    RECT Source;
};

// One axis of the picture, as the tag's attributes ask ("given" means not -1): the source runs
// from the SUB offset to the bitmap's edge unless the SUB size is given; the drawn size is the
// given size, else the given SUB size, else the bitmap's.
struct Span {
    int Drawn;
    int Source;
};

Span ResolveAxis(int bitmapExtent, int subOffset, int givenSize, int givenSubSize) {
    Span span{bitmapExtent, bitmapExtent - subOffset};
    if (givenSubSize != -1)
        span = {givenSubSize, givenSubSize};
    if (givenSize != -1)
        span.Drawn = givenSize;
    return span;
}

PictureGeometry PlacePicture(const HyperTextImageTag& tag, int width, int height, POINT pen) {
    const Span x = ResolveAxis(width, tag.SubX, tag.Width, tag.SubWidth);
    const Span y = ResolveAxis(height, tag.SubY, tag.Height, tag.SubHeight);
    const LONG top = pen.y - y.Drawn + PictureDescent;
    return {{pen.x, top, pen.x + x.Drawn, top + y.Drawn},
            {tag.SubX, tag.SubY, tag.SubX + x.Source, tag.SubY + y.Source}};
}

// An unregistered name gives 0, which names no resource; the lookup adds nothing.
UINT RegisteredPictureId(const char* name) {
    const auto entry = ImageRegistry.find(name);
    return entry != ImageRegistry.end() ? LOWORD(entry->second) : 0;
}

TDiBitmap LoadPicture(const std::string& source) {
    if (!source.empty() && source[0] == '#')
        return TDiBitmap(::GetModuleHandleA(nullptr), RegisteredPictureId(source.c_str() + 1));
    return TDiBitmap(source.c_str());
}

} // namespace

void WinHyperText::DrawImage(TDC& dc, POINT& pen, const HyperTextImageTag& tag) const {
    try {
        const TDiBitmap bitmap = LoadPicture(tag.Src);
        TMemoryDC memory(dc);
        const TSelectObject selected(memory, bitmap.GetHandle());
        const PictureGeometry geometry = PlacePicture(tag, bitmap.Width(), bitmap.Height(), pen);
        dc.StretchBlt(geometry.Destination, memory, geometry.Source, SRCCOPY);
        pen.x = geometry.Destination.right;
    } catch (const TXGdi&) {
        dc.TextOut(pen.x, pen.y, ImageErrorText, sizeof ImageErrorText - 1);
    } catch (const std::bad_alloc&) {
        dc.TextOut(pen.x, pen.y, ImageErrorText, sizeof ImageErrorText - 1);
    }
}
