// Start-up time as a user feels it: from the moment the process is created until Quorvel shows
// its first readout, beside the same span for the smallest program that opens one window
// (minimal_window.exe), so that Wine's own cost of starting any program is in the comparison.
#ifndef QUORVEL_BENCH_STARTUP_TIME_H
#define QUORVEL_BENCH_STARTUP_TIME_H

#include <string>

// Starts each program `runs` times, alternately, and prints one line per start:
// "startup quorvel MS" or "startup minimal MS".
int MeasureStartup(const std::string& quorvelExe, const std::string& minimalExe, int runs);

#endif
