// GDI objects that delete themselves. Not copyable: one owner deletes each handle once.
#ifndef QUORVEL_FRAMEWORK_GDI_OBJECT_H
#define QUORVEL_FRAMEWORK_GDI_OBJECT_H

#include <windows.h>

// How many GDI objects the class library's owners hold at this moment. Wine's GetGuiResources
// counts nothing, so tests compare this before and after work that must give back all it makes.
inline long GdiObjectsOwned = 0;

template <class Handle> class TGdiObject {
public:
    explicit TGdiObject(Handle handle) : Object(handle) {
        if (Object)
            ++GdiObjectsOwned;
    }
    ~TGdiObject() {
        if (Object) {
            ::DeleteObject(Object);
            --GdiObjectsOwned;
        }
    }
    // Moving hands the handle over, so owners can live in containers.
    TGdiObject(TGdiObject&& other) noexcept : Object(other.Object) { other.Object = nullptr; }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;

    Handle GetHandle() const { return Object; }
    operator Handle() const { return Object; }

private:
    Handle Object;
};

class TBrush : public TGdiObject<HBRUSH> {
public:
    explicit TBrush(COLORREF color) : TGdiObject(::CreateSolidBrush(color)) {}
};

#endif
