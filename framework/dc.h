// Device contexts. TDC wraps a handle it does not own; each subclass acquires its handle in the
// constructor and gives it back in the destructor, so a context never outlives its scope. None
// can be copied.
#ifndef QUORVEL_FRAMEWORK_DC_H
#define QUORVEL_FRAMEWORK_DC_H

#include "framework/color.h"

#include <windows.h>

class TDC {
public:
    explicit TDC(HDC handle) : Handle(handle) {}
    virtual ~TDC() = default;
    TDC(const TDC&) = delete;
    TDC& operator=(const TDC&) = delete;

    HDC GetHDC() const { return Handle; }
    operator HDC() const { return Handle; }

    COLORREF GetPixel(int x, int y) const { return ::GetPixel(Handle, x, y); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(Handle, index); }
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(Handle, object); }
    COLORREF SetTextColor(TColor color) { return ::SetTextColor(Handle, ResolveColor(color)); }
    COLORREF SetBkColor(TColor color) { return ::SetBkColor(Handle, ResolveColor(color)); }
    int SetBkMode(int mode) { return ::SetBkMode(Handle, mode); }
    UINT SetTextAlign(UINT align) { return ::SetTextAlign(Handle, align); }
    SIZE GetTextExtent(const char* text, int length) const;
    bool TextOut(int x, int y, const char* text, int length) {
        return ::TextOutA(Handle, x, y, text, length);
    }
    bool PatBlt(const RECT& r, DWORD rop) {
        return ::PatBlt(Handle, r.left, r.top, r.right - r.left, r.bottom - r.top, rop);
    }
    bool StretchBlt(const RECT& dest, const TDC& source, const RECT& sourceRect, DWORD rop) {
        return ::StretchBlt(Handle, dest.left, dest.top, dest.right - dest.left,
                            dest.bottom - dest.top, source.Handle, sourceRect.left, sourceRect.top,
                            sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top,
                            rop);
    }

protected:
    void SetHandle(HDC handle) { Handle = handle; }

private:
    HDC Handle;
};

// The whole window, frame included (GetWindowDC / ReleaseDC).
class TWindowDC : public TDC {
public:
    explicit TWindowDC(HWND window);
    ~TWindowDC() override;

private:
    HWND Window;
};

// The desktop window's DC: reads any pixel of the screen.
class TDesktopDC : public TWindowDC {
public:
    TDesktopDC();
};

// The DC of one WM_PAINT (BeginPaint / EndPaint).
class TPaintDC : public TDC {
public:
    explicit TPaintDC(HWND window);
    ~TPaintDC() override;
    const PAINTSTRUCT& Info() const { return Paint; }

private:
    HWND Window;
    PAINTSTRUCT Paint;
};

// Selects a GDI object into a DC for one scope and puts the previous object back at its end.
class TSelectObject {
public:
    TSelectObject(TDC& dc, HGDIOBJ object) : Dc(dc), Previous(dc.SelectObject(object)) {}
    ~TSelectObject() { Dc.SelectObject(Previous); }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    TDC& Dc;
    HGDIOBJ Previous;
};

#endif
