// The animated icon: which icon each tick shows, the 16-bit id sum, and its own window timer.
#include "controls/icon_animation.h"
#include "tests/controls/controls_test_ids.h"
#include "tests/controls/test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr UINT32 TimerA = 5434;
constexpr UINT32 TimerB = 5435;

struct Animation {
    UINT16 FirstIconId;
    UINT32 FrameCount;
    UINT32 StartFrame;
    UINT32 Interval = 60000; // no real tick during a test unless it asks for one
};

class IconDialog : public TDialog {
public:
    IconDialog(const Animation& a, const Animation& b) : TDialog(nullptr, IDD_TEST_ICONS) {
        A = Make(IDC_TEST_ICON_A, TimerA, a);
        B = Make(IDC_TEST_ICON_B, TimerB, b);
    }
    TIconAnimation* A;
    TIconAnimation* B;

private:
    TIconAnimation* Make(int id, UINT32 timer, const Animation& a) {
        return new TIconAnimation(this, id, timer, a.Interval, a.FirstIconId,
                                  ::GetModuleHandleA(nullptr), a.FrameCount, a.StartFrame);
    }
};

HICON Shown(TIconAnimation* control) {
    return reinterpret_cast<HICON>(control->SendMessage(STM_GETICON));
}

HICON Icon(UINT16 id) {
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

void Tick(TIconAnimation* control) {
    control->SendMessage(WM_TIMER, 1); // the identifier is not examined
}

// The icon ids shown at set-up and at each of `ticks` ticks.
std::vector<HICON> ShownIcons(const Animation& animation, int ticks) {
    IconDialog dialog(animation, {IDI_FRAME_0, 1, 0});
    EXPECT_TRUE(dialog.Create());
    std::vector<HICON> shown{Shown(dialog.A)};
    for (int i = 0; i < ticks; ++i) {
        Tick(dialog.A);
        shown.push_back(Shown(dialog.A));
    }
    return shown;
}

TEST(IconAnimation, FramesFollowFromTheStartFrameAndWrapToZero) {
    HICON f0 = Icon(IDI_FRAME_0), f1 = Icon(IDI_FRAME_1), f2 = Icon(IDI_FRAME_2);
    ASSERT_TRUE(f0 && f1 && f2);
    ASSERT_NE(f0, f1);
    struct {
        Animation A;
        std::vector<HICON> Expected;
    } cases[] = {
        {{IDI_FRAME_0, 3, 1}, {f1, f2, f0, f1, f2, f0}},
        {{IDI_FRAME_0, 3, 3}, {f0, f1, f2, f0, f1, f2}}, // start frame at the count
        {{IDI_FRAME_0, 3, 7}, {f0, f1, f2, f0, f1, f2}}, // and past it
        {{IDI_FRAME_0, 1, 5}, {f0, f0, f0, f0, f0, f0}}, // one frame, whatever the start
        {{IDI_FRAME_0, 2, 1}, {f1, f0, f1, f0, f1, f0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Expected, ShownIcons(c.A, 5))
            << c.A.FrameCount << " frames from " << c.A.StartFrame;
}

// 65535 + 1 is icon 0, which no module has: the picture is cleared for that tick. 65535 + 2 is
// icon 1, which proves the sum wrapped rather than asking for 65536 or 65537.
TEST(IconAnimation, IconIdsAreSummedIn16Bits) {
    HICON last = Icon(IDI_LAST_ID), first = Icon(IDI_FIRST_ID);
    ASSERT_TRUE(last && first);
    EXPECT_EQ((std::vector<HICON>{nullptr, first, last, nullptr}),
              ShownIcons({IDI_LAST_ID, 3, 1}, 3));
}

TEST(IconAnimation, EachControlRunsOnATimerOfItsOwnWindow) {
    IconDialog dialog({IDI_FRAME_0, 3, 0, 20}, {IDI_FRAME_0, 3, 0});
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(1u, dialog.B->GetCurrentFrame());
    Tick(dialog.B);
    EXPECT_EQ(2u, dialog.B->GetCurrentFrame());
    EXPECT_EQ(1u, dialog.A->GetCurrentFrame()) << "a tick of B moved A";

    // A's 20 ms timer keeps it moving without any help.
    std::vector<HICON> seen;
    DWORD start = ::GetTickCount();
    while (seen.size() < 4 && ::GetTickCount() - start < 3000) {
        PumpFor(5);
        HICON now = Shown(dialog.A);
        if (seen.empty() || seen.back() != now)
            seen.push_back(now);
    }
    EXPECT_EQ((std::vector<HICON>{Icon(IDI_FRAME_0), Icon(IDI_FRAME_1), Icon(IDI_FRAME_2),
                                  Icon(IDI_FRAME_0)}),
              seen);

    // The timers belong to the controls' windows under the given identifiers.
    EXPECT_TRUE(::KillTimer(dialog.A->GetHandle(), TimerA));
    EXPECT_TRUE(::KillTimer(dialog.B->GetHandle(), TimerB));
    EXPECT_FALSE(::KillTimer(dialog.A->GetHandle(), TimerB));
}

} // namespace
