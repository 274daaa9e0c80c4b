// F5 and F6 act through a keyboard hook on the program's own thread rather than through any
// control, so they work whichever window of the program has the focus, also in modal dialogs.
#ifndef QUORVEL_APP_KEYBOARD_HOOK_H
#define QUORVEL_APP_KEYBOARD_HOOK_H

#include <windows.h>

class TQuorvelDlg;

// The dialog the hook acts on; set by the detector's set-up.
extern TQuorvelDlg* HookDialog;
extern HHOOK KeyboardHookHandle;

// Passes key presses on, acts on the release of F5 (freeze or unfreeze) and F6 (copy the hex
// code), and consumes every key release.
extern "C" __declspec(dllexport) LRESULT CALLBACK
    KeyboardHook(int code, WPARAM keyCode, LPARAM keyFlags);

#endif
