#include "bench/scenes.h"

#include "tests/e2e/quorvel_driver.h"

#include "res/resource_ids.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

HWND Frame() {
    return ::FindWindowA("QuorvelFrame", "Quorvel");
}

HWND Detector() {
    return ::GetWindow(Frame(), GW_CHILD);
}

std::string FieldText(int id) {
    char text[64] = {};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutA(::GetDlgItem(Detector(), id), WM_GETTEXT, sizeof text,
                          reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &copied);
    return text;
}

HWND AboutBox() {
    DWORD quorvel = 0;
    ::GetWindowThreadProcessId(Frame(), &quorvel);
    return FindVisibleWindow(quorvel, "About");
}

int Outcome(bool done, const char* what) {
    if (done)
        return 0;
    std::fprintf(stderr, "%s did not happen\n", what);
    return 1;
}

void SweepAround(POINT centre, DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    for (int step = 0; ::GetTickCount() - start < milliseconds; ++step) {
        const double angle = step * 0.05;
        ::SetCursorPos(centre.x + static_cast<int>(140 * std::cos(angle)),
                       centre.y + static_cast<int>(25 * std::sin(angle)));
        PumpFor(10);
    }
}

} // namespace

int WaitForFirstReadout() {
    return Outcome(WaitUntil([] { return Frame() && !FieldText(IDC_HEX).empty(); }, 20000),
                   "the first readout");
}

int ParkPointerAt(POINT at) {
    ::SetCursorPos(at.x, at.y);
    return Outcome(WaitUntil([at] { return FieldText(IDC_X) == std::to_string(at.x); }),
                   "the readout of the parked pointer");
}

int Minimise() {
    ::PostMessageA(Frame(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return Outcome(WaitUntil([] { return ::IsIconic(Frame()) != FALSE; }), "minimising");
}

int Restore() {
    ::PostMessageA(Frame(), WM_SYSCOMMAND, SC_RESTORE, 0);
    return Outcome(WaitUntil([] { return !::IsIconic(Frame()); }), "restoring");
}

int OpenAbout() {
    ::PostMessageA(::GetDlgItem(Detector(), CM_ABOUT), BM_CLICK, 0, 0);
    return Outcome(WaitUntil([] { return AboutBox() != nullptr; }), "opening the About box");
}

int CloseAbout() {
    ::PostMessageA(AboutBox(), WM_COMMAND, IDOK, 0);
    return Outcome(WaitUntil([] { return AboutBox() == nullptr; }), "closing the About box");
}

int SweepPointer(DWORD milliseconds) {
    PatchWindow patches(700, 600, 60,
                        {RGB(0xDC, 0x14, 0x3C), RGB(0x41, 0x69, 0xE1), RGB(0xFF, 0xD7, 0x00),
                         RGB(0x12, 0x34, 0x56), RGB(0x2E, 0x8B, 0x57)});
    SweepAround(patches.Centre(2), milliseconds);
    return 0;
}

int SweepPointerBare(DWORD milliseconds) {
    SweepAround({::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2},
                milliseconds);
    return 0;
}
