// Small window utilities of the dialogs: centring a window on the screen, centring a control
// horizontally in its dialog, and putting a string resource into a control.
#ifndef QUORVEL_CONTROLS_WINDOW_UTILS_H
#define QUORVEL_CONTROLS_WINDOW_UTILS_H

#include <windows.h>

// Moves `window` to the middle of the primary screen; a window larger than the screen gets a
// negative position.
void CenterWindowOnScreen(HWND window);

// Moves control `id` of `dialog` to the horizontal middle of the dialog's outer width.
void CenterDialogItem(HWND dialog, int id);

// Loads string `stringId` of `module` (at most 255 characters) into control `id` of `dialog`.
// Returns SetDlgItemTextA's result, or 0 when no text was loaded and the control kept its own.
BOOL SetDlgItemTextFromResource(HWND dialog, HINSTANCE module, UINT stringId, int id);

#endif
