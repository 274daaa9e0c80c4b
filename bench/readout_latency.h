// How long the readout takes to follow the pointer, measured as a user sees it: the pointer
// jumps between two patches of different colours, and the time runs from each move until the
// screen shows the new hex code in the program's hex field.
#ifndef QUORVEL_BENCH_READOUT_LATENCY_H
#define QUORVEL_BENCH_READOUT_LATENCY_H

#include <string>

// Starts the program at `exePath`, makes `moves` moves after pauses of random length (so that
// the loop is met both busy and at rest) and prints one line per move: "move MS PAUSE_MS", or
// "move timeout PAUSE_MS". Returns the process exit status for the driver.
int MeasureReadoutLatency(const std::string& exePath, int moves);

#endif
