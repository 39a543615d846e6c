#include <gtest/gtest.h>
#include "shell/random.h"

TEST(RandomTest, RandStaysInsideItsInclusiveRange) {
    Rand_Seed(7);
    for (int i = 0; i < 1000; ++i) {
        int r = Rand(5, -3);
        EXPECT_GE(r, -3);
        EXPECT_LE(r, 5);
    }
}
