// Paces a message loop whose idle hook always asks for more idle time (a polling readout).
// Spinning would burn a whole core for as long as the program is open, so between idle passes
// the loop waits for input or a timeout instead. A low-level mouse hook wakes the loop whenever
// the pointer moves anywhere on the screen. While the pointer has moved lately the timeout is a
// few milliseconds, well inside one display frame, so the pass that sees the new position comes
// at once even where the hook runs before the position is updated. Once the pointer has rested
// the loop waits up to a second: the hook still wakes it for every move it sees, and the timeout
// only bounds how long a move it does not see (a program setting the pointer's position) can
// leave the readout behind. Measured under Wine (docs/PERFORMANCE.md), a still pointer cost 0.52 %
// of a core, the Wine server's share included, with 200 ms rests, and 0.28 % with one-second
// rests, with no change in how fast the readout follows a move.
//
// Built with QUORVEL_LOOP_PACING=0 the loop spins as the idle hook asks, for comparison.
#ifndef QUORVEL_FRAMEWORK_IDLE_PACER_H
#define QUORVEL_FRAMEWORK_IDLE_PACER_H

#include <windows.h>

class TIdlePacer {
public:
    TIdlePacer();
    ~TIdlePacer();
    TIdlePacer(const TIdlePacer&) = delete;
    TIdlePacer& operator=(const TIdlePacer&) = delete;

    // Returns when input arrives or the current timeout has passed.
    void Wait();

    static constexpr DWORD ActiveWaitMs = 4;
    static constexpr DWORD RestingWaitMs = 1000;
    static constexpr ULONGLONG ActivePeriodMs = 500;

private:
    static LRESULT CALLBACK MouseHook(int code, WPARAM w, LPARAM l);

    HHOOK Hook = nullptr;
};

#endif
