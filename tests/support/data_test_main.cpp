#include "tests/support/shipped_data.h"
#include "toolkit/core/error.h"

#include <cstdio>
#include <gtest/gtest.h>

// Tests of the built-in data read it as the program does: once, up front.
int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    try {
        loco::shippedData();
    } catch (const loco::Error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return RUN_ALL_TESTS();
}
