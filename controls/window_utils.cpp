#include "controls/window_utils.h"

void CenterWindowOnScreen(HWND window) {
    RECT r;
    ::GetWindowRect(window, &r);
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    int x = (::GetSystemMetrics(SM_CXSCREEN) - w) / 2;
    int y = (::GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    ::MoveWindow(window, x, y, w, h, TRUE);
}

// Both rectangles are outer window rectangles in screen coordinates, and the results are used as
// client coordinates without conversion. So x is half the difference of the outer widths
// (rounded toward zero: -3 gives -1), and y is the control's distance from the dialog's outer top
// less its own height: the control keeps its height on the dialog only when the caption and top
// frame are exactly as tall as the control.
void CenterDialogItem(HWND dialog, int id) {
    HWND item = ::GetDlgItem(dialog, id);
    RECT d, i;
    ::GetWindowRect(dialog, &d);
    ::GetWindowRect(item, &i);
    int w = i.right - i.left;
    int h = i.bottom - i.top;
    int x = ((d.right - d.left) - w) / 2;
    int y = (i.top - d.top) - h;
    ::MoveWindow(item, x, y, w, h, FALSE);
}

BOOL SetDlgItemTextFromResource(HWND dialog, HINSTANCE module, UINT stringId, int id) {
    // One buffer for every call: the calls come one after another from the interface thread.
    static char buffer[256];
    if (::LoadStringA(module, stringId, buffer, sizeof buffer) == 0)
        return FALSE;
    return ::SetDlgItemTextA(dialog, id, buffer);
}
