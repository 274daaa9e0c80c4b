// Puts a running Quorvel (started by the benchmark script, which watches its CPU time) into the
// state to be measured, then returns, so that nothing of the driver runs during the measurement.
// Each step waits until the program shows that it has taken effect.
#ifndef QUORVEL_BENCH_SCENES_H
#define QUORVEL_BENCH_SCENES_H

#include <windows.h>

// Each returns the process exit status for the driver.
int WaitForFirstReadout();
int ParkPointerAt(POINT at);
int Minimise();
int Restore();
int OpenAbout();
int CloseAbout();
// Moves the pointer round and round over colour patches, 100 steps a second, as a user would.
int SweepPointer(DWORD milliseconds);
// The same round in the middle of the screen with no window of the driver's, so that another
// program there (the peer, gpick) keeps the focus.
int SweepPointerBare(DWORD milliseconds);

#endif
