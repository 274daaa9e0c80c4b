// A top-level window around one client window. With shrink-to-client the frame sizes itself so
// that its client area is exactly the client window's size; it closes itself when the client
// window is destroyed, and passes the keyboard focus on to it.
#ifndef QUORVEL_FRAMEWORK_FRAME_WINDOW_H
#define QUORVEL_FRAMEWORK_FRAME_WINDOW_H

#include "framework/window.h"

class TFrameWindow : public TWindow {
public:
    TFrameWindow(TWindow* parent, const char* title, TWindow* client, bool shrinkToClient = false,
                 HINSTANCE module = nullptr);

    TWindow* GetClientWindow() override { return Client; }

    // The window-class icon, set once the frame's window exists.
    void SetIcon(HINSTANCE module, int resourceId);

protected:
    const char* GetClassName() override { return "QuorvelFrame"; }
    void GetWindowClass(WNDCLASSEXA& wc) override;
    void SetupWindow() override;
    void ChildDestroyed(TWindow* child) override;
    bool Respond(TMessage& m) override;

private:
    void EvSetFocus(TMessage& m);
    void EvSize(TMessage& m);
    void ShrinkToClient();
    void FillWithClient();

    TWindow* Client;
    bool ShrinkToClientSize;
    HINSTANCE IconModule = nullptr;
    int IconId = 0;
};

#endif
