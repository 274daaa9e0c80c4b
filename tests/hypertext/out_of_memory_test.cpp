#include "hypertext/out_of_memory.h"

#include <gtest/gtest.h>

namespace {

TEST(OutOfMemory, ReportsOnStandardErrorAndExitsWithStatusOne) {
    EXPECT_EXIT(ExitOnOutOfMemory([] { throw std::bad_alloc(); }), testing::ExitedWithCode(1),
                "^out of memory\n$");
}

TEST(OutOfMemory, PassesTheResultOfWorkThatSucceeds) {
    EXPECT_EQ(ExitOnOutOfMemory([] { return 7; }), 7);
}

} // namespace
