// TWindow binds one C++ object to one window. Messages reach the object through Respond, the
// response-table lookup that every class extends (see response_table.h); what no table answers
// goes to the window's default procedure: DefWindowProc for our own window classes, DefDlgProc
// for dialogs, and the original procedure of a predefined control that we subclassed.
//
// A window's children are owned objects: the parent deletes them with itself. Dialog controls
// are children created before the dialog's window exists and attached to the template's controls
// when it does.
#ifndef QUORVEL_FRAMEWORK_WINDOW_H
#define QUORVEL_FRAMEWORK_WINDOW_H

#include "framework/color.h"
#include "framework/dc.h"
#include "framework/gdi_object.h"
#include "framework/response_table.h"

#include <windows.h>

#include <vector>

class TWindow {
public:
    // Creation attributes: changeable until the window is created.
    struct TAttributes {
        DWORD Style = WS_CHILD | WS_VISIBLE;
        DWORD ExStyle = 0;
        int X = CW_USEDEFAULT, Y = CW_USEDEFAULT, W = CW_USEDEFAULT, H = CW_USEDEFAULT;
        int Id = 0;
    };

    TWindow(TWindow* parent, const char* title = nullptr, HINSTANCE module = nullptr);
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    TAttributes Attr;

    HWND GetHandle() const { return HWindow; }
    TWindow* GetParent() const { return Parent; }
    // Moves this object into another parent's children (and so its ownership).
    void SetParentObject(TWindow* parent);
    HINSTANCE GetModule() const;

    // Creates the window from Attr with this object's window class.
    virtual bool Create();

    // For controls of a dialog template: bind to the parent's control with Attr.Id. The parent
    // dialog calls it once its window exists.
    virtual void AttachToParentItem() {}

    // The frame's client window, for frames; null for every other window.
    virtual TWindow* GetClientWindow() { return nullptr; }

    TColor GetBkgndColor() const { return BkgndColor; }
    void SetBkgndColor(TColor color) { BkgndColor = color; }

    LRESULT SendMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) {
        return ::SendMessageA(HWindow, msg, w, l);
    }

    // The procedure of every window bound to an object.
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM w, LPARAM l);

protected:
    // Hooks, in the order a window meets them.
    virtual const char* GetClassName() { return "QuorvelWindow"; }
    virtual void GetWindowClass(WNDCLASSEXA& wc);
    virtual void SetupWindow();
    virtual void Paint(TDC& dc, bool erase, const RECT& rect);
    virtual void CleanupWindow() {}
    // Called on a parent when one of its child windows is being destroyed.
    virtual void ChildDestroyed(TWindow*) {}

    virtual bool Respond(TMessage& m);
    LRESULT DefaultProcessing(const TMessage& m);

    // Generic painting: begin paint, Paint, end paint.
    void EvPaint(TMessage& m);
    // Fills the client area with the background colour (see color.h for the special values).
    void EvEraseBkgnd(TMessage& m);

    // Registers the class from the hooks, once per class name.
    bool RegisterClassOnce();
    // Binds this object to a window made by a system class, routing its messages here.
    void Subclass(HWND window);
    // The next window this thread creates with our class is bound to this object, and what
    // its tables do not answer goes to `defaultProc`.
    void BindNextCreated(WNDPROC defaultProc);

    TWindow* Parent;
    const char* Title;
    std::vector<TWindow*> Children;

private:
    void Bind(HWND window);
    void Unbind();
    LRESULT HandleMessage(UINT msg, WPARAM w, LPARAM l);
    void EvCreate(TMessage& m);
    void EvDestroy(TMessage& m);

    HWND HWindow = nullptr;
    HINSTANCE Module;
    WNDPROC DefaultProc = nullptr;
    bool Subclassed = false;
    TColor BkgndColor = TColorNone;
};

#endif
