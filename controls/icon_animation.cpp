#include "controls/icon_animation.h"

#include "framework/application.h"

TIconAnimation::TIconAnimation(TWindow* parent, int resourceId, UINT32 timerId, UINT32 interval,
                               UINT16 firstIconId, HINSTANCE iconModule, UINT32 frameCount,
                               UINT32 startFrame)
    : TStatic(parent, resourceId, 0, nullptr), TimerId(timerId), Interval(interval),
      FrameCount(frameCount ? frameCount : 1),
      CurrentFrame(startFrame < frameCount && frameCount != 1 ? startFrame : 0),
      FirstIconId(firstIconId), IconModule(iconModule) {}

// The first frame shows at once, even when the timer could not start.
void TIconAnimation::SetupWindow() {
    TStatic::SetupWindow();
    if (::SetTimer(GetHandle(), TimerId, Interval, nullptr) == 0)
        TApplication::ShowMessage(GetHandle(), "Timer error.", GetClassName());
    NextFrame();
}

bool TIconAnimation::Respond(TMessage& m) {
    using Table = TResponseTable<TIconAnimation>;
    static const Table table{Table::Message(WM_TIMER, &TIconAnimation::EvTimer)};
    return table.Dispatch(*this, m) || TStatic::Respond(m);
}

// The timer is this window's own, so its identifier need not be checked.
void TIconAnimation::EvTimer(TMessage&) {
    NextFrame();
}

// The icon is a shared resource of the module: it is neither copied nor released here.
void TIconAnimation::NextFrame() {
    auto iconId = static_cast<UINT16>(FirstIconId + CurrentFrame);
    HICON icon = ::LoadIconA(IconModule, MAKEINTRESOURCEA(iconId));
    SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    if (FrameCount == 1)
        return;
    CurrentFrame = CurrentFrame == FrameCount - 1 ? 0 : CurrentFrame + 1;
}
