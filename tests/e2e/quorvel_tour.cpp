// A short guided tour for a newcomer without a display of their own (scripts/run starts it on a
// private X server): it starts Quorvel, puts up colour patches, moves the pointer over them and
// prints what the program reads out, then holds still long enough for a screenshot.
//
//     quorvel_tour.exe PATH\Quorvel.exe [hold-milliseconds]
#include "tests/e2e/quorvel_driver.h"

#include "res/resource_ids.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: quorvel_tour PATH\\Quorvel.exe [hold-milliseconds]\n");
        return 2;
    }
    DWORD holdMs = argc > 2 ? static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)) : 0;
    QuorvelProcess program(argv[1]);
    if (!program.Started()) {
        std::fprintf(stderr, "Quorvel did not start\n");
        return 1;
    }
    PatchWindow patches(560, 440, 80,
                        {RGB(0xDC, 0x14, 0x3C), RGB(0x41, 0x69, 0xE1), RGB(0xFF, 0xD7, 0x00),
                         RGB(0x12, 0x34, 0x56)});
    std::printf("%-6s %-6s %-4s %-4s %-4s %-7s %s\n", "X", "Y", "R", "G", "B", "Hex", "Name");
    for (size_t i = 0; i < 4; ++i) {
        if (!MovePointerAndWait(program, patches.Centre(i), program.Field(IDC_HEX))) {
            std::fprintf(stderr, "the readout did not follow the pointer\n");
            return 1;
        }
        std::printf("%-6s %-6s %-4s %-4s %-4s %-7s %s\n", program.Field(IDC_X).c_str(),
                    program.Field(IDC_Y).c_str(), program.Field(IDC_RED).c_str(),
                    program.Field(IDC_GREEN).c_str(), program.Field(IDC_BLUE).c_str(),
                    program.Field(IDC_HEX).c_str(), program.Field(IDC_NAME).c_str());
    }
    std::printf("holding\n");
    std::fflush(stdout);
    PumpFor(holdMs);
    return 0;
}
