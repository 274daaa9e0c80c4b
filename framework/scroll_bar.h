// A scroll bar of a dialog template, with the system's default range and behaviour.
#ifndef QUORVEL_FRAMEWORK_SCROLL_BAR_H
#define QUORVEL_FRAMEWORK_SCROLL_BAR_H

#include "framework/control.h"

class TScrollBar : public TControl {
public:
    TScrollBar(TWindow* parent, int resourceId, HINSTANCE module = nullptr)
        : TControl(parent, resourceId, module) {}
};

#endif
