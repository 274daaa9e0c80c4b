#include "bench/readout_latency.h"

#include "bench/screen_capture.h"
#include "tests/e2e/quorvel_driver.h"

#include "res/resource_ids.h"

#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr COLORREF Colors[2] = {RGB(0xDC, 0x14, 0x3C), RGB(0x41, 0x69, 0xE1)};
constexpr DWORD ShortestPauseMs = 20;
constexpr DWORD LongestPauseMs = 700;
constexpr DWORD GiveUpMs = 2000;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

// The pointer moves as under Wine a mouse moves it: SetCursorPos warps the X pointer, and X's
// motion event, taken by the Wine process whose window lies under the pointer (the patches, ours),
// comes back as mouse input that low-level hooks see. SendInput would move only Wine's idea of the
// pointer, which Wine resets from X a moment later.
//
// Milliseconds from the move until the capture shows `expected`, or a negative number when it
// never does. The driver's own patch window is kept answering meanwhile.
double TimeUntilShown(ScreenCapture& hexField, const std::vector<std::uint32_t>& expected,
                      POINT to) {
    LARGE_INTEGER start, now;
    ::QueryPerformanceCounter(&start);
    ::SetCursorPos(to.x, to.y);
    for (;;) {
        ::QueryPerformanceCounter(&now);
        if (hexField.Take() == expected)
            return Milliseconds(start, now);
        if (Milliseconds(start, now) > GiveUpMs)
            return -1;
        // Wakes at once for input, as the message loop of the window under a real pointer
        // does: the motion event that reaches the program's mouse hook passes through here.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        PumpMessages();
    }
}

} // namespace

int MeasureReadoutLatency(const std::string& exePath, int moves) {
    QuorvelProcess program(exePath);
    if (!program.Started()) {
        std::fprintf(stderr, "%s did not start\n", exePath.c_str());
        return 1;
    }
    PatchWindow patches(760, 640, 120, {Colors[0], Colors[1]});
    RECT hexRect;
    ::GetWindowRect(program.Control(IDC_HEX), &hexRect);
    ScreenCapture hexField(hexRect);

    // What the hex field looks like on screen for each colour, once settled.
    std::vector<std::uint32_t> shown[2];
    for (int i : {0, 1}) {
        const POINT at = patches.Centre(i);
        ::SetCursorPos(at.x, at.y);
        if (!WaitUntil([&] { return program.Field(IDC_HEX) == HexOf(Colors[i]); })) {
            std::fprintf(stderr, "the readout did not follow the pointer\n");
            return 1;
        }
        PumpFor(300);
        shown[i] = hexField.Take();
    }
    if (shown[0] == shown[1]) {
        std::fprintf(stderr, "the hex field looks the same for both colours\n");
        return 1;
    }

    std::mt19937 random(12345);
    std::uniform_int_distribution<DWORD> pause(ShortestPauseMs, LongestPauseMs);
    for (int move = 0; move < moves; ++move) {
        const int target = move % 2 == 0 ? 0 : 1;
        const DWORD pauseMs = pause(random);
        PumpFor(pauseMs);
        const double ms = TimeUntilShown(hexField, shown[target], patches.Centre(target));
        if (ms < 0)
            std::printf("move timeout %lu\n", static_cast<unsigned long>(pauseMs));
        else
            std::printf("move %.2f %lu\n", ms, static_cast<unsigned long>(pauseMs));
    }
    std::fflush(stdout);
    return 0;
}
