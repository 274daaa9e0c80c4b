#include "controls/about_dlg.h"

#include "controls/window_utils.h"
#include "framework/application.h"
#include "res/resource_ids.h"

namespace {
constexpr UINT32 LeftIconTimer = 5434;
constexpr UINT32 RightIconTimer = 5435;
constexpr UINT32 IconInterval = 200;
} // namespace

// The right icon starts half a cycle after the left one.
TAboutDlg::TAboutDlg(TWindow* parent, UINT32 flags, INT32 helpContext, const char* helpFile,
                     INT32 stringId, HINSTANCE stringModule, UINT16 firstIconId, UINT32 frameCount)
    : TEnhancedDialog(parent, IDD_ABOUT, flags, helpContext, helpFile), StringId(stringId),
      StringModule(stringModule) {
    LeftIcon = new TIconAnimation(this, IDC_ABOUT_LEFT_ICON, LeftIconTimer, IconInterval,
                                  firstIconId, TApplication::CurrentModule(), frameCount, 0);
    RightIcon =
        new TIconAnimation(this, IDC_ABOUT_RIGHT_ICON, RightIconTimer, IconInterval, firstIconId,
                           TApplication::CurrentModule(), frameCount, frameCount / 2);
    InfoText = new THyperStatic(this, IDC_ABOUT_BODY, 0, nullptr);
}

// Replaces the base class's set-up and centres by itself; without a help topic the Help button
// goes and OK moves to the middle.
void TAboutDlg::SetupWindow() {
    TDialog::SetupWindow();
    if (Flags & edCenterOnScreen)
        CenterWindowOnScreen(GetHandle());
    if (!(Flags & edHelp)) {
        ::ShowWindow(::GetDlgItem(GetHandle(), IDHELP), SW_HIDE);
        CenterDialogItem(GetHandle(), IDOK);
    }
    SetDlgItemTextFromResource(GetHandle(), StringModule, static_cast<UINT>(StringId),
                               IDC_ABOUT_TITLE);
}
