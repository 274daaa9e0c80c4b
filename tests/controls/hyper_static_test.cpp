// The hypertext control on a static made at run time with the markup under test: painting
// through the renderer, the link hit test, the cursor rule, and where a click on a link goes.
#include "controls/hyper_static.h"
#include "controls/trigger_functions.h"
#include "tests/controls/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int BodyId = 104;

std::vector<std::string> Calls;
void First() {
    Calls.push_back("first");
}
void Second() {
    Calls.push_back("second");
}

// A topmost popup holding one hypertext control that fills it.
class HyperHost {
public:
    HyperHost(const std::string& markup, int w = 300, int h = 150) : Window(nullptr) {
        Window.Attr.Style = WS_POPUP | WS_VISIBLE;
        Window.Attr.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
        Window.Attr.X = 100;
        Window.Attr.Y = 100;
        Window.Attr.W = w;
        Window.Attr.H = h;
        Control = new THyperStatic(&Window, BodyId);
        Window.Create();
        ::CreateWindowExA(0, "STATIC", markup.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, w, h,
                          Window.GetHandle(), reinterpret_cast<HMENU>(INT_PTR{BodyId}),
                          ::GetModuleHandleA(nullptr), nullptr);
        Control->AttachToParentItem();
    }

    void Paint() {
        ::InvalidateRect(Control->GetHandle(), nullptr, TRUE);
        ::UpdateWindow(Control->GetHandle());
    }
    const std::deque<LinkData>& Links() const { return Control->GetRenderer().Links; }

    // One movement as the system delivers it: WM_SETCURSOR first, then WM_MOUSEMOVE. Returns the
    // cursor that the WM_SETCURSOR chose.
    HCURSOR MoveTo(POINT p) {
        ::SetCursor(nullptr);
        Control->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(Control->GetHandle()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        HCURSOR chosen = ::GetCursor();
        Control->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        return chosen;
    }
    void Click(POINT p) { Control->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }

    TWindow Window;
    THyperStatic* Control;
};

POINT Middle(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class HyperStaticTest : public ::testing::Test {
protected:
    void SetUp() override { Calls.clear(); }
    TTriggerRegistration FirstTrigger{"first", First};
    TTriggerRegistration SecondTrigger{"second", Second};
};

TEST_F(HyperStaticTest, SetUpMakesTheStaticNotifyAndTakesTheWholeMarkup) {
    std::string markup;
    for (int i = 0; i < 1000; ++i)
        markup += "word ";
    markup += "<A HREF=\"!first\">end</A>";
    HyperHost host(markup);
    LONG_PTR style = ::GetWindowLongPtrA(host.Control->GetHandle(), GWL_STYLE);
    EXPECT_EQ(0x06000100, style & 0x06000100);
    EXPECT_EQ(300, host.Control->GetRenderer().AreaWidth);
    EXPECT_EQ(150, host.Control->GetRenderer().AreaHeight);

    EXPECT_TRUE(host.Links().empty()) << "no link before the first paint";
    host.Click({10, 10});
    EXPECT_FALSE(host.Control->IsOverLink());

    host.Paint();
    ASSERT_EQ(1u, host.Links().size()) << "the link after 5000 characters of markup";
    EXPECT_EQ("!first", host.Links()[0].Tag->Href);
}

TEST_F(HyperStaticTest, TheCursorFollowsTheLastMouseMoveOneMovementLate) {
    HyperHost host("<A HREF=\"!first\">a link</A> and plain text after it");
    host.Paint();
    ASSERT_EQ(1u, host.Links().size());
    const RECT area = host.Links()[0].Area;
    const POINT in = Middle(area), alsoIn{in.x + 1, in.y};
    const POINT out{area.right + 20, in.y}, alsoOut{area.right + 21, in.y};
    const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);

    EXPECT_EQ(arrow, host.MoveTo(in)) << "entering: still the arrow";
    HCURSOR hand = host.MoveTo(alsoIn);
    EXPECT_NE(arrow, hand);
    EXPECT_NE(nullptr, hand);
    EXPECT_EQ(hand, host.MoveTo(out)) << "leaving: still the hand";
    EXPECT_EQ(arrow, host.MoveTo(alsoOut));
    // Leaving the control from a link and coming back elsewhere: the hand first.
    host.MoveTo(in);
    EXPECT_EQ(hand, host.MoveTo(alsoOut));
}

// Real pointer movements: only SS_NOTIFY lets them reach the static, and the system sends each
// one's WM_SETCURSOR before its WM_MOUSEMOVE.
TEST_F(HyperStaticTest, RealPointerSeesTheHandOneMovementAfterEnteringAndTheArrowAfterLeaving) {
    HyperHost host("<A HREF=\"!first\">a link</A> and plain text after it");
    host.Paint();
    ASSERT_EQ(1u, host.Links().size());
    RECT area = host.Links()[0].Area;
    ::MapWindowPoints(host.Control->GetHandle(), nullptr, reinterpret_cast<POINT*>(&area), 2);
    const POINT in = Middle(area);
    const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    auto moveTo = [](POINT p) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = ::MulDiv(p.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = ::MulDiv(p.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        ::SendInput(1, &input, sizeof input);
        PumpFor(100);
        return ::GetCursor();
    };
    moveTo({area.right + 30, in.y});
    moveTo({area.right + 31, in.y});
    EXPECT_EQ(arrow, moveTo(in));
    HCURSOR hand = moveTo({in.x + 1, in.y});
    EXPECT_TRUE(host.Control->IsOverLink());
    EXPECT_NE(arrow, hand);
    EXPECT_EQ(hand, moveTo({area.right + 30, in.y}));
    EXPECT_EQ(arrow, moveTo({area.right + 31, in.y}));
}

TEST_F(HyperStaticTest, RightAndBottomEdgesAreOutsideAndLeftAndTopInside) {
    HyperHost host("<A HREF=\"!first\">a link</A> plain");
    host.Paint();
    ASSERT_EQ(1u, host.Links().size());
    const RECT a = host.Links()[0].Area;
    struct {
        POINT At;
        bool Followed;
    } cases[] = {
        {{a.left, a.top}, true},      {{a.right - 1, a.bottom - 1}, true},
        {{a.right, a.top}, false},    {{a.left, a.bottom}, false},
        {{a.left - 1, a.top}, false}, {{a.left, a.top - 1}, false},
    };
    for (const auto& c : cases) {
        Calls.clear();
        host.MoveTo(c.At);
        host.Click(c.At);
        EXPECT_EQ(c.Followed, host.Control->IsOverLink()) << c.At.x << ", " << c.At.y;
        EXPECT_EQ(c.Followed ? 1u : 0u, Calls.size()) << c.At.x << ", " << c.At.y;
    }
}

// A link in a tall font on the second line reaches up over the first line's link.
TEST_F(HyperStaticTest, WhereAreasOverlapTheFirstLinkIsFollowed) {
    HyperHost host("<A HREF=\"!first\">first link</A><BR><BR>"
                   "<FONT SIZE=60><A HREF=\"!second\">second</A></FONT>");
    host.Paint();
    ASSERT_EQ(2u, host.Links().size());
    RECT overlap;
    ASSERT_TRUE(::IntersectRect(&overlap, &host.Links()[0].Area, &host.Links()[1].Area))
        << "the areas must overlap for this test";
    host.Click(Middle(overlap));
    host.Click({overlap.left, host.Links()[1].Area.bottom - 1}); // only in the second
    EXPECT_EQ((std::vector<std::string>{"first", "second"}), Calls);
}

TEST_F(HyperStaticTest, RegisteredTriggerRunsOncePerClickWithoutAMessage) {
    MessageBoxWatcher boxes;
    HyperHost host("<A HREF=\"!first\">a link</A>");
    host.Paint();
    ASSERT_EQ(1u, host.Links().size());
    host.Click(Middle(host.Links()[0].Area));
    host.Click(Middle(host.Links()[0].Area));
    EXPECT_EQ((std::vector<std::string>{"first", "first"}), Calls);
    PumpFor(100);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(HyperStaticTest, UnknownTriggersAndShellFailuresShowTheirMessages) {
    TTriggerRegistration nullTrigger{"null", nullptr};
    const std::string noTrigger = "Could not find trigger function.";
    const std::string noShell = "Could not get on to the internet.";
    struct {
        const char* Href;
        const std::string& Message;
    } cases[] = {
        {"!", noTrigger},        // the empty name
        {"!unknown", noTrigger}, // never registered
        {"!FIRST", noTrigger},   // names are case-sensitive
        {"! first", noTrigger},  // and not trimmed
        {"!null", noTrigger},    // registered without a function
        {"Z:\\quorvel-test\\no such file.quorvel", noShell},
    };
    for (const auto& c : cases) {
        MessageBoxWatcher boxes;
        HyperHost host(std::string("<A HREF=\"") + c.Href + "\">a link</A>");
        host.Paint();
        ASSERT_EQ(1u, host.Links().size()) << c.Href;
        host.Click(Middle(host.Links()[0].Area));
        auto seen = boxes.Boxes();
        ASSERT_EQ(1u, seen.size()) << c.Href;
        EXPECT_EQ(c.Message, seen[0].Text) << c.Href;
        EXPECT_EQ("Quorvel", seen[0].Caption) << c.Href;
        EXPECT_EQ(host.Window.GetHandle(), seen[0].Owner) << c.Href;
        EXPECT_TRUE(Calls.empty()) << c.Href;
    }
}

TEST_F(HyperStaticTest, SizeChangesTheWrapWidthOfTheNextPaint) {
    HyperHost host("one two three four <A HREF=\"!first\">link</A>", 400);
    host.Paint();
    ASSERT_EQ(1u, host.Links().size());
    const RECT wide = host.Links()[0].Area;

    host.Control->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(60, 300));
    EXPECT_EQ(60, host.Control->GetRenderer().AreaWidth);
    EXPECT_EQ(300, host.Control->GetRenderer().AreaHeight);
    EXPECT_EQ(wide.top, host.Links()[0].Area.top) << "no repaint of its own";
    host.Paint();
    EXPECT_GT(host.Links()[0].Area.top, wide.top) << "the link wrapped onto a later line";

    ::SetWindowPos(host.Control->GetHandle(), nullptr, 0, 0, 250, 90, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(250, host.Control->GetRenderer().AreaWidth);
    EXPECT_EQ(90, host.Control->GetRenderer().AreaHeight);
}

TEST(TriggerRegistration, OwnsItsNameAndKeepsTheFirstOfTwo) {
    {
        TTriggerRegistration first{std::string("tr") + "igger", First};
        TTriggerRegistration again{"trigger", Second};
        EXPECT_TRUE(first.IsRegistered());
        EXPECT_FALSE(again.IsRegistered());
        auto entry = TriggerFunctions.find("trigger");
        ASSERT_NE(TriggerFunctions.end(), entry);
        EXPECT_EQ(&First, entry->second);
    }
    EXPECT_EQ(0u, TriggerFunctions.count("trigger"));
}

} // namespace
