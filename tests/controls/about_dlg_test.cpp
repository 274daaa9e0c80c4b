// The About box as the About command builds it, and with the options it does not use.
#include "controls/about_dlg.h"
#include "res/resource_ids.h"
#include "tests/controls/controls_test_ids.h"
#include "tests/controls/test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

HINSTANCE Module() {
    return ::GetModuleHandleA(nullptr);
}

// The About command's values, with the flags and help values under test.
std::unique_ptr<TAboutDlg> MakeAbout(UINT32 flags, INT32 helpContext = 0,
                                     const char* helpFile = nullptr, TWindow* parent = nullptr,
                                     UINT16 firstIcon = IDI_QUORVEL, UINT32 frames = 1) {
    return std::make_unique<TAboutDlg>(parent, flags, helpContext, helpFile, IDS_ABOUT_TITLE,
                                       Module(), firstIcon, frames);
}

// A control's rectangle in its dialog's client coordinates.
RECT ItemPlace(HWND dialog, int id) {
    RECT r;
    ::GetWindowRect(::GetDlgItem(dialog, id), &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Where the dialog manager puts a template rectangle given as x, y, width, height in dialog
// units: each value is converted on its own.
RECT TemplatePlace(HWND dialog, int x, int y, int w, int h) {
    RECT position{x, y, w, h};
    ::MapDialogRect(dialog, &position);
    return {position.left, position.top, position.left + position.right,
            position.top + position.bottom};
}

bool HasVisibleStyle(HWND dialog, int id) {
    return (::GetWindowLongPtrA(::GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

HICON ShownIcon(HWND dialog, int id) {
    return reinterpret_cast<HICON>(::SendDlgItemMessageA(dialog, id, STM_GETICON, 0, 0));
}

TEST(AboutDlg, WithTheAboutCommandsValues) {
    auto about = MakeAbout(edCenterOnScreen);
    ASSERT_TRUE(about->Create());
    HWND dialog = about->GetHandle();

    RECT r;
    ::GetWindowRect(dialog, &r);
    EXPECT_EQ((::GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2, r.left);
    EXPECT_EQ((::GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, r.top);

    // OK moves by CenterDialogItem's arithmetic on the outer rectangles: x is half the width
    // difference, y its distance from the outer top less its height.
    EXPECT_FALSE(HasVisibleStyle(dialog, IDHELP));
    RECT ok = TemplatePlace(dialog, 120, 124, 50, 14);
    RECT okScreen = ok;
    ::MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&okScreen), 2);
    int w = ok.right - ok.left, h = ok.bottom - ok.top;
    RECT moved = ItemPlace(dialog, IDOK);
    EXPECT_EQ(((r.right - r.left) - w) / 2, moved.left);
    EXPECT_EQ((okScreen.top - r.top) - h, moved.top);
    EXPECT_EQ(w, moved.right - moved.left);

    char title[256] = {}, expected[256] = {};
    ::GetDlgItemTextA(dialog, IDC_ABOUT_TITLE, title, sizeof title);
    ASSERT_NE(0, ::LoadStringA(Module(), IDS_ABOUT_TITLE, expected, sizeof expected));
    EXPECT_STREQ(expected, title);

    HICON icon = ::LoadIconA(Module(), MAKEINTRESOURCEA(IDI_QUORVEL));
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_EQ(icon, ShownIcon(dialog, IDC_ABOUT_LEFT_ICON)) << "tick " << tick;
        EXPECT_EQ(icon, ShownIcon(dialog, IDC_ABOUT_RIGHT_ICON)) << "tick " << tick;
        about->LeftIcon->SendMessage(WM_TIMER, 5434);
        about->RightIcon->SendMessage(WM_TIMER, 5435);
    }
    EXPECT_TRUE(::KillTimer(about->LeftIcon->GetHandle(), 5434));
    EXPECT_TRUE(::KillTimer(about->RightIcon->GetHandle(), 5435));

    ::ShowWindow(dialog, SW_SHOWNOACTIVATE);
    ::UpdateWindow(dialog);
    const auto& links = about->InfoText->GetRenderer().Links;
    ASSERT_EQ(2u, links.size()) << "the body's two links, drawn from the template's markup";
    EXPECT_EQ("http://www.quorvel.example", links[0].Tag->Href);
    EXPECT_EQ("mailto:hello@quorvel.example", links[1].Tag->Href);
}

TEST(AboutDlg, WithHelpTheButtonStaysOkKeepsItsPlaceAndHelpCallsWinHelp) {
    FakeHelpViewer viewer;
    auto about = MakeAbout(edHelp, 17, "quorvel.hlp");
    ASSERT_TRUE(about->Create());
    HWND dialog = about->GetHandle();
    EXPECT_TRUE(HasVisibleStyle(dialog, IDHELP));
    RECT ok = ItemPlace(dialog, IDOK), expected = TemplatePlace(dialog, 120, 124, 50, 14);
    EXPECT_TRUE(::EqualRect(&expected, &ok));

    ::SendMessageA(dialog, WM_COMMAND, IDHELP, 0);
    ASSERT_EQ(1u, viewer.Requests.size());
    EXPECT_EQ(dialog, viewer.Requests[0].Owner);
    EXPECT_EQ(unsigned(HELP_CONTEXT), viewer.Requests[0].Command);
    EXPECT_EQ(17, viewer.Requests[0].Data);
    EXPECT_EQ("quorvel.hlp", viewer.Requests[0].File);
}

// DS_ABSALIGN: the template's position counts from the screen's top-left corner.
TEST(AboutDlg, WithoutCentringItOpensAtItsTemplatePlaceOnTheScreen) {
    auto about = MakeAbout(0);
    ASSERT_TRUE(about->Create());
    RECT place = TemplatePlace(about->GetHandle(), 100, 45, 0, 0);
    POINT client{0, 0};
    ::ClientToScreen(about->GetHandle(), &client);
    EXPECT_EQ(place.left, client.x);
    EXPECT_EQ(place.top, client.y);
}

TEST(AboutDlg, TheRightIconRunsHalfACycleBehindTheLeft) {
    auto about = MakeAbout(edCenterOnScreen, 0, nullptr, nullptr, IDI_FRAME_0, 4);
    ASSERT_TRUE(about->Create());
    auto icon = [](UINT16 id) { return ::LoadIconA(Module(), MAKEINTRESOURCEA(id)); };
    EXPECT_EQ(icon(IDI_FRAME_0), ShownIcon(about->GetHandle(), IDC_ABOUT_LEFT_ICON));
    EXPECT_EQ(icon(IDI_FRAME_2), ShownIcon(about->GetHandle(), IDC_ABOUT_RIGHT_ICON));
    about->LeftIcon->SendMessage(WM_TIMER, 5434);
    about->RightIcon->SendMessage(WM_TIMER, 5435);
    EXPECT_EQ(icon(IDI_FRAME_1), ShownIcon(about->GetHandle(), IDC_ABOUT_LEFT_ICON));
    EXPECT_EQ(icon(IDI_FRAME_3), ShownIcon(about->GetHandle(), IDC_ABOUT_RIGHT_ICON));
}

// A parent that shows how many child objects it holds.
class ParentDialog : public TDialog {
public:
    ParentDialog() : TDialog(nullptr, IDD_TEST_BUTTONS) {}
    size_t ChildCount() const { return Children.size(); }
};

TEST(AboutDlg, RunsModallyOverItsParentAndLeavesItsChildrenWhenReleased) {
    ParentDialog parent;
    ASSERT_TRUE(parent.Create());
    ::ShowWindow(parent.GetHandle(), SW_SHOWNOACTIVATE);
    const size_t children = parent.ChildCount();
    struct {
        UINT Message;
        WPARAM Key;
        int Result;
    } cases[] = {
        {WM_COMMAND, IDOK, IDOK},
        {WM_KEYDOWN, VK_ESCAPE, IDCANCEL}, // through the modal loop's dialog keys
        {WM_KEYDOWN, VK_RETURN, IDOK},     // OK is the default button
    };
    for (const auto& c : cases) {
        auto about = MakeAbout(edCenterOnScreen, 0, nullptr, &parent);
        EXPECT_EQ(children + 1, parent.ChildCount());
        bool parentDisabled = false;
        int result = RunModal(*about, [&](HWND dialog) {
            parentDisabled = !::IsWindowEnabled(parent.GetHandle());
            ::PostMessageA(c.Message == WM_KEYDOWN ? ::GetFocus() : dialog, c.Message, c.Key, 0);
        });
        EXPECT_EQ(c.Result, result) << c.Key;
        EXPECT_TRUE(parentDisabled) << c.Key;
        about.reset();
        EXPECT_EQ(children, parent.ChildCount()) << c.Key;
    }
}

} // namespace
