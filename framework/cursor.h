// A cursor from a module's resources, owned by this object. It is loaded unshared, so the object
// may destroy it; a cursor that LoadCursor hands out belongs to the system and must not be.
#ifndef QUORVEL_FRAMEWORK_CURSOR_H
#define QUORVEL_FRAMEWORK_CURSOR_H

#include <windows.h>

class TCursor {
public:
    TCursor(HINSTANCE module, int resourceId)
        : Handle(static_cast<HCURSOR>(
              ::LoadImageA(module, MAKEINTRESOURCEA(resourceId), IMAGE_CURSOR, 0, 0, 0))) {}
    ~TCursor() {
        if (Handle)
            ::DestroyCursor(Handle);
    }
    TCursor(const TCursor&) = delete;
    TCursor& operator=(const TCursor&) = delete;

    // Null when the resource could not be loaded.
    HCURSOR GetHandle() const { return Handle; }
    operator HCURSOR() const { return Handle; }

private:
    HCURSOR Handle;
};

#endif
