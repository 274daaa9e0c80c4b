// The swatch: a static control of the template that shows nothing but its background, filled
// with the colour it was last given. It paints through the generic window painting, so the
// static's own grey rectangle never shows once a colour is set.
#ifndef QUORVEL_APP_COLOR_SAMPLE_H
#define QUORVEL_APP_COLOR_SAMPLE_H

#include "framework/control.h"

class TColorSample : public TControl {
public:
    TColorSample(TWindow* parent, int resourceId) : TControl(parent, resourceId) {}

    // Shows color (0x00BBGGRR or a special value) and repaints before returning.
    void SetColor(TColor color);

protected:
    bool Respond(TMessage& m) override;
};

#endif
