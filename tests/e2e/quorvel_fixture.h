// The common ground of the end-to-end tests: Quorvel.exe running as a program of its own beside
// a row of colour patches of this process, with the pointer parked away from them at the start.
#ifndef QUORVEL_TESTS_E2E_QUORVEL_FIXTURE_H
#define QUORVEL_TESTS_E2E_QUORVEL_FIXTURE_H

#include "tests/e2e/e2e_paths.h"
#include "tests/e2e/quorvel_driver.h"

#include "res/resource_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

class QuorvelFixture : public ::testing::Test {
protected:
    QuorvelFixture(int x, int y, int patchSize, std::vector<COLORREF> colors)
        : Patches(x, y, patchSize, std::move(colors)) {}

    void SetUp() override {
        ASSERT_TRUE(Program.Started()) << QuorvelExe();
        ASSERT_TRUE(ParkPointer(Program));
    }

    // Moves onto patch `index` and waits for the readout to follow.
    void MoveOnto(size_t index) {
        std::string before = Program.Field(IDC_HEX);
        ASSERT_TRUE(MovePointerAndWait(Program, Patches.Centre(index), before))
            << "readout did not follow onto patch " << index;
    }

    // The patches go up first, so that the program's first readout already sees them.
    PatchWindow Patches;
    QuorvelProcess Program{QuorvelExe()};
};

#endif
