#include "framework/idle_pacer.h"

#ifndef QUORVEL_LOOP_PACING
#define QUORVEL_LOOP_PACING 1
#endif

namespace {
// When the pointer last moved, by the tick count; written by the hook on the loop's thread.
ULONGLONG LastPointerMove = 0;
} // namespace

TIdlePacer::TIdlePacer() {
    if (QUORVEL_LOOP_PACING)
        Hook = ::SetWindowsHookExA(WH_MOUSE_LL, MouseHook, ::GetModuleHandleA(nullptr), 0);
}

TIdlePacer::~TIdlePacer() {
    if (Hook)
        ::UnhookWindowsHookEx(Hook);
}

LRESULT CALLBACK TIdlePacer::MouseHook(int code, WPARAM w, LPARAM l) {
    if (code == HC_ACTION && w == WM_MOUSEMOVE)
        LastPointerMove = ::GetTickCount64();
    return ::CallNextHookEx(nullptr, code, w, l);
}

void TIdlePacer::Wait() {
    if (!QUORVEL_LOOP_PACING)
        return;
    bool active = ::GetTickCount64() - LastPointerMove < ActivePeriodMs;
    ::MsgWaitForMultipleObjectsEx(0, nullptr, active ? ActiveWaitMs : RestingWaitMs, QS_ALLINPUT,
                                  MWMO_INPUTAVAILABLE);
}
