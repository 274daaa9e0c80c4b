// GDI objects that delete themselves. Not copyable: one owner deletes each handle once.
#ifndef QUORVEL_FRAMEWORK_GDI_OBJECT_H
#define QUORVEL_FRAMEWORK_GDI_OBJECT_H

#include <windows.h>

template <class Handle> class TGdiObject {
public:
    explicit TGdiObject(Handle handle) : Object(handle) {}
    ~TGdiObject() {
        if (Object)
            ::DeleteObject(Object);
    }
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
