#include "app/keyboard_hook.h"

#include "app/clipboard.h"
#include "app/detector_dlg.h"
#include "res/resource_ids.h"

TQuorvelDlg* HookDialog = nullptr;
HHOOK KeyboardHookHandle = nullptr;

namespace {

constexpr LPARAM KeyReleased = LPARAM{1} << 31;

void CopyHexCode(TQuorvelDlg& dialog) {
    char text[8];
    ::GetDlgItemTextA(dialog.GetHandle(), IDC_HEX, text, 7);
    CopyToClipboard(dialog.GetHandle(), text, 6);
}

} // namespace

LRESULT CALLBACK KeyboardHook(int code, WPARAM keyCode, LPARAM keyFlags) {
    if (code != HC_ACTION || !(keyFlags & KeyReleased)) {
        ::CallNextHookEx(KeyboardHookHandle, code, keyCode, keyFlags);
        return 0;
    }
    WORD key = static_cast<WORD>(keyCode);
    if (key == VK_F5)
        HookDialog->Live = !HookDialog->Live;
    else if (key == VK_F6)
        CopyHexCode(*HookDialog);
    return 1;
}
