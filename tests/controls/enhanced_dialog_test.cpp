// The dialog base class: where it opens, and what OK, Cancel and Help do.
#include "controls/enhanced_dialog.h"
#include "tests/controls/controls_test_ids.h"
#include "tests/controls/test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the close hook's calls, as the detector's close hook would see them.
class RecordingDialog : public TEnhancedDialog {
public:
    RecordingDialog(UINT32 flags, INT32 helpContext = 0, const char* helpFile = nullptr)
        : TEnhancedDialog(nullptr, IDD_TEST_BUTTONS, flags, helpContext, helpFile) {}
    void CloseWindow(int result) override {
        CloseResults.push_back(result);
        TEnhancedDialog::CloseWindow(result);
    }
    std::vector<int> CloseResults;
};

void Press(HWND dialog, int id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

POINT TopLeft(HWND window) {
    RECT r;
    ::GetWindowRect(window, &r);
    return {r.left, r.top};
}

TEST(EnhancedDialog, WithoutFlagsItStaysAtItsTemplatePlaceAndHelpDoesNothing) {
    FakeHelpViewer viewer;
    TDialog plain(nullptr, IDD_TEST_BUTTONS); // where the system puts the template
    ASSERT_TRUE(plain.Create());
    RecordingDialog dialog(0, 7, "x.hlp");
    ASSERT_TRUE(dialog.Create());
    POINT expected = TopLeft(plain.GetHandle()), at = TopLeft(dialog.GetHandle());
    EXPECT_EQ(expected.x, at.x);
    EXPECT_EQ(expected.y, at.y);

    Press(dialog.GetHandle(), IDHELP);
    EXPECT_TRUE(viewer.Requests.empty());
    EXPECT_TRUE(::IsWindow(dialog.GetHandle()));
}

TEST(EnhancedDialog, CenterOnScreenCentresItAtSetUp) {
    RecordingDialog dialog(edCenterOnScreen);
    ASSERT_TRUE(dialog.Create());
    RECT r;
    ::GetWindowRect(dialog.GetHandle(), &r);
    EXPECT_EQ((::GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2, r.left);
    EXPECT_EQ((::GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, r.top);
}

TEST(EnhancedDialog, OkEndsThroughTheCloseHookAndCancelWithout) {
    RecordingDialog ok(0);
    EXPECT_EQ(IDOK, RunModal(ok, [](HWND dialog) { Press(dialog, IDOK); }));
    EXPECT_EQ(std::vector<int>{IDOK}, ok.CloseResults);

    RecordingDialog cancel(0);
    EXPECT_EQ(IDCANCEL, RunModal(cancel, [](HWND dialog) { Press(dialog, IDCANCEL); }));
    EXPECT_TRUE(cancel.CloseResults.empty());
}

TEST(EnhancedDialog, HelpAsksWinHelpForTheContextOfTheFile) {
    FakeHelpViewer viewer;
    RecordingDialog withFile(edHelp, 4711, "quorvel.hlp");
    RecordingDialog withoutFile(edHelp, -5, nullptr);
    for (RecordingDialog* dialog : {&withFile, &withoutFile}) {
        ASSERT_TRUE(dialog->Create());
        Press(dialog->GetHandle(), IDHELP);
        EXPECT_TRUE(::IsWindow(dialog->GetHandle())) << "help leaves the dialog open";
    }
    ASSERT_EQ(2u, viewer.Requests.size());
    EXPECT_EQ(withFile.GetHandle(), viewer.Requests[0].Owner);
    EXPECT_EQ(unsigned(HELP_CONTEXT), viewer.Requests[0].Command);
    EXPECT_EQ(4711, viewer.Requests[0].Data);
    EXPECT_EQ("quorvel.hlp", viewer.Requests[0].File);
    // No file still makes the request, with the stored context.
    EXPECT_EQ(unsigned(HELP_CONTEXT), viewer.Requests[1].Command);
    EXPECT_EQ(-5, viewer.Requests[1].Data);
    EXPECT_FALSE(viewer.Requests[1].HasFile);
}

// A subclass takes over a button by overriding its operation, with no table of its own.
class OverridingDialog : public TEnhancedDialog {
public:
    OverridingDialog() : TEnhancedDialog(nullptr, IDD_TEST_BUTTONS, edHelp, 0, nullptr) {}
    void OnOk() override { Calls.push_back(IDOK); }
    void OnCancel() override {
        Calls.push_back(IDCANCEL);
        TEnhancedDialog::OnCancel();
    }
    void OnHelp() override { Calls.push_back(IDHELP); }
    std::vector<int> Calls;
};

TEST(EnhancedDialog, ButtonsReachTheOverridingOperations) {
    OverridingDialog dialog;
    EXPECT_EQ(IDCANCEL, RunModal(dialog, [](HWND window) {
                  Press(window, IDHELP);
                  Press(window, IDOK);
                  Press(window, IDCANCEL);
              }));
    EXPECT_EQ((std::vector<int>{IDHELP, IDOK, IDCANCEL}), dialog.Calls);
}

} // namespace
