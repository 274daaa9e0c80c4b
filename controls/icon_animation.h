// An icon static of a dialog template that cycles through consecutive icon resources of one
// module on a window timer of its own. Frame i is icon FirstIconId + i, the sum taken in 16 bits
// (65535 + 1 is 0). The frame shown at set-up counts as the first: with three frames and start
// frame 1 the control shows 1 at once, then 2, 0, 1, 2, ... at the ticks.
#ifndef QUORVEL_CONTROLS_ICON_ANIMATION_H
#define QUORVEL_CONTROLS_ICON_ANIMATION_H

#include "framework/control.h"

class TIconAnimation : public TStatic {
public:
    // `frameCount` is at least 1; a start frame at or past it starts at frame 0.
    TIconAnimation(TWindow* parent, int resourceId, UINT32 timerId, UINT32 interval,
                   UINT16 firstIconId, HINSTANCE iconModule, UINT32 frameCount, UINT32 startFrame);

    // Shows the current frame and steps to the next one.
    void NextFrame();

    UINT32 GetCurrentFrame() const { return CurrentFrame; }

protected:
    void SetupWindow() override;
    bool Respond(TMessage& m) override;

private:
    void EvTimer(TMessage& m);

    UINT32 TimerId;
    UINT32 Interval;
    UINT32 FrameCount;
    UINT32 CurrentFrame;
    UINT16 FirstIconId;
    HINSTANCE IconModule;
};

#endif
