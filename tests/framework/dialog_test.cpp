// Dialogs from templates: both template layouts, controls attached by identifier, the frame's
// client, and the ways a dialog ends.
#include "framework/control.h"
#include "framework/dialog.h"
#include "framework/frame_window.h"
#include "tests/framework/framework_test_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Records the close hook's calls; optionally sends itself a command once set up.
class RecordingDialog : public TDialog {
public:
    RecordingDialog(int resourceId, UINT commandAtSetup = 0)
        : TDialog(nullptr, resourceId), CommandAtSetup(commandAtSetup) {
        Edit = new TEdit(this, IDC_TEST_EDIT, 7);
    }
    void CloseWindow(int result) override {
        CloseResults.push_back(result);
        TDialog::CloseWindow(result);
    }
    TEdit* Edit;
    std::vector<int> CloseResults;

protected:
    void SetupWindow() override {
        TDialog::SetupWindow();
        if (CommandAtSetup)
            ::PostMessageA(GetHandle(), WM_COMMAND, CommandAtSetup, 0);
    }

private:
    UINT CommandAtSetup;
};

class CountedControl : public TControl {
public:
    CountedControl(TWindow* parent, int* deletions)
        : TControl(parent, IDC_TEST_SAMPLE), Deletions(deletions) {}
    ~CountedControl() override { *Deletions += 1; }

private:
    int* Deletions;
};

TEST(Dialog, BothTemplateLayoutsCreateWithTheirControlsAttached) {
    for (int id : {IDD_PLAIN, IDD_EXTENDED}) {
        RecordingDialog dialog(id);
        ASSERT_TRUE(dialog.Create()) << id;
        char className[64] = {};
        ::GetClassNameA(dialog.GetHandle(), className, sizeof className);
        EXPECT_STREQ("QuorvelDialog", className);
        EXPECT_EQ(::GetDlgItem(dialog.GetHandle(), IDC_TEST_EDIT), dialog.Edit->GetHandle());
        // The limit counts the NUL: typing stops one character earlier.
        EXPECT_EQ(6, dialog.Edit->SendMessage(EM_GETLIMITTEXT));
        ::DestroyWindow(dialog.GetHandle());
    }
}

TEST(Dialog, FrameClientIsABorderlessChildAndTheFrameFitsIt) {
    auto* dialog = new TDialog(nullptr, IDD_PLAIN);
    TFrameWindow frame(nullptr, "Frame", dialog, true);
    ASSERT_TRUE(frame.Create());
    LONG_PTR style = ::GetWindowLongPtrA(dialog->GetHandle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & (WS_CAPTION | WS_POPUP | WS_SYSMENU));

    RECT templateSize{0, 0, 120, 60};
    ::MapDialogRect(dialog->GetHandle(), &templateSize);
    RECT client, inner;
    ::GetClientRect(frame.GetHandle(), &client);
    ::GetWindowRect(dialog->GetHandle(), &inner);
    EXPECT_EQ(templateSize.right, client.right);
    EXPECT_EQ(templateSize.bottom, client.bottom);
    EXPECT_EQ(client.right, inner.right - inner.left);
    EXPECT_EQ(client.bottom, inner.bottom - inner.top);
}

TEST(Dialog, FrameClosesWhenItsClientIsDestroyed) {
    auto* dialog = new TDialog(nullptr, IDD_PLAIN);
    TFrameWindow frame(nullptr, "Frame", dialog, true);
    ASSERT_TRUE(frame.Create());
    HWND frameHandle = frame.GetHandle();
    ::DestroyWindow(dialog->GetHandle());
    PumpMessages();
    EXPECT_FALSE(::IsWindow(frameHandle));
}

TEST(Dialog, OkRunsTheCloseHookCancelAndCloseDoNot) {
    struct Case {
        UINT msg;
        WPARAM command;
        std::vector<int> expectedCloseResults;
    };
    const Case cases[] = {
        {WM_COMMAND, IDOK, {IDOK}},
        {WM_COMMAND, IDCANCEL, {}},
        {WM_CLOSE, 0, {}},
    };
    for (const Case& c : cases) {
        RecordingDialog dialog(IDD_PLAIN);
        ASSERT_TRUE(dialog.Create());
        HWND handle = dialog.GetHandle();
        ::SendMessageA(handle, c.msg, c.command, 0);
        EXPECT_FALSE(::IsWindow(handle)) << c.msg << "/" << c.command;
        EXPECT_EQ(c.expectedCloseResults, dialog.CloseResults) << c.msg << "/" << c.command;
    }
}

TEST(Dialog, ModalRunReturnsTheEndingCode) {
    RecordingDialog ok(IDD_EXTENDED, IDOK);
    EXPECT_EQ(IDOK, ok.Execute());
    EXPECT_EQ(std::vector<int>{IDOK}, ok.CloseResults);

    RecordingDialog cancel(IDD_EXTENDED, IDCANCEL);
    EXPECT_EQ(IDCANCEL, cancel.Execute());
    EXPECT_TRUE(cancel.CloseResults.empty());
}

TEST(Dialog, MissingTemplateFailsCleanly) {
    TDialog dialog(nullptr, 4242);
    EXPECT_FALSE(dialog.Create());
    EXPECT_EQ(-1, dialog.Execute());
}

TEST(Dialog, ControlsAreDeletedWithTheDialog) {
    int deletions = 0;
    auto* dialog = new TDialog(nullptr, IDD_PLAIN);
    new CountedControl(dialog, &deletions);
    new CountedControl(dialog, &deletions);
    delete dialog;
    EXPECT_EQ(2, deletions);
}

} // namespace
