// The Windows half of scripts/bench: it runs under Wine, beside the Quorvel under test, and does
// what needs the Windows side (moving the pointer as a mouse does, reading the screen, starting
// programs and timing them, putting the program into a state to be measured). The script reads
// what it prints and measures CPU time and memory from /proc.
//
//   quorvel_bench_driver latency EXE MOVES
//   quorvel_bench_driver startup QUORVEL_EXE MINIMAL_EXE RUNS
//   quorvel_bench_driver ready | minimise | restore | about-open | about-close
//   quorvel_bench_driver park X Y
//   quorvel_bench_driver sweep MILLISECONDS | sweep-bare MILLISECONDS
#include "bench/readout_latency.h"
#include "bench/scenes.h"
#include "bench/startup_time.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: quorvel_bench_driver latency EXE MOVES | startup QUORVEL_EXE "
                         "MINIMAL_EXE RUNS | ready | minimise | restore | about-open | "
                         "about-close | park X Y | sweep MILLISECONDS | sweep-bare "
                         "MILLISECONDS\n");
    return 2;
}

int Number(const char* text) {
    return std::atoi(text);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (command == "latency" && argc == 4)
        return MeasureReadoutLatency(argv[2], Number(argv[3]));
    if (command == "startup" && argc == 5)
        return MeasureStartup(argv[2], argv[3], Number(argv[4]));
    if (command == "park" && argc == 4)
        return ParkPointerAt({Number(argv[2]), Number(argv[3])});
    if (command == "sweep" && argc == 3)
        return SweepPointer(static_cast<DWORD>(Number(argv[2])));
    if (command == "sweep-bare" && argc == 3)
        return SweepPointerBare(static_cast<DWORD>(Number(argv[2])));
    if (argc != 2)
        return Usage();
    if (command == "ready")
        return WaitForFirstReadout();
    if (command == "minimise")
        return Minimise();
    if (command == "restore")
        return Restore();
    if (command == "about-open")
        return OpenAbout();
    if (command == "about-close")
        return CloseAbout();
    return Usage();
}
