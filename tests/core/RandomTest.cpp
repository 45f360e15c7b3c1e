#include "core/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

// 32768 equally likely draws behind each float: a few hundred thousand reach both ends.
TEST(Random, IntegersAndFloatsStayInTheirRangeAndReachBothEnds) {
    std::srand(1);
    std::set<long> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(randomInt(0, 2));
    EXPECT_EQ(seen, std::set<long>({0, 1, 2}));
    EXPECT_EQ(randomInt(5, 5), 5);
    float lowest = 1, highest = 0;
    for (int i = 0; i < 400000; ++i) {
        float r = randomFloat(0, 1);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_EQ(lowest, 0.0f);
    EXPECT_EQ(highest, 1.0f);
}

} // namespace
