// A static control of a dialog template that shows its window text as hypertext markup and makes
// the links live. The template gives the position, the size and the markup; the renderer lays
// out and paints the document and records where the links went, and this control only routes
// painting to it and tests the mouse against those areas.
//
// The cursor follows the last WM_MOUSEMOVE, not a fresh hit test: the system sends WM_SETCURSOR
// for a movement before that movement's WM_MOUSEMOVE, so the hand shows one movement after the
// pointer enters a link and the arrow one movement after it leaves.
#ifndef QUORVEL_CONTROLS_HYPER_STATIC_H
#define QUORVEL_CONTROLS_HYPER_STATIC_H

#include "framework/control.h"
#include "framework/cursor.h"
#include "hypertext/win_hyper_text.h"

#include <memory>
#include <string>

class THyperStatic : public TStatic {
public:
    THyperStatic(TWindow* parent, int resourceId, unsigned textLimit = 0,
                 HINSTANCE module = nullptr);

    // The document; its Links describe the last paint.
    const WinHyperText& GetRenderer() const { return *Renderer; }
    bool IsOverLink() const { return OverLink; }

protected:
    void SetupWindow() override;
    void Paint(TDC& dc, bool erase, const RECT& rect) override;
    bool Respond(TMessage& m) override;

private:
    void EvSetCursor(TMessage& m);
    void EvMouseMove(TMessage& m);
    void EvLButtonDown(TMessage& m);
    void EvSize(TMessage& m);

    // The first link area of the last paint that holds the point, or null.
    const LinkData* LinkAt(LPARAM point) const;
    void Follow(const std::string& target);

    std::unique_ptr<WinHyperText> Renderer;
    std::unique_ptr<TCursor> LinkCursor;
    bool OverLink = false;
};

#endif
