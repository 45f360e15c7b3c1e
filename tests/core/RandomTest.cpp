#include "core/Random.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

// 32768 equally likely draws behind each float: a few hundred thousand reach both ends, and none
// goes past them.
TEST(Random, IntegersAndFloatsStayInTheirRangeAndReachBothEnds) {
    std::srand(1);
    std::set<long> seen = {randomInt(5, 5)};
    for (int i = 0; i < 300; ++i)
        seen.insert(randomInt(0, 2));
    EXPECT_EQ(seen, std::set<long>({0, 1, 2, 5}));
    std::set<float> outer;
    for (int i = 0; i < 400000; ++i)
        if (float r = randomFloat(0, 1); r <= 0 || r >= 1)
            outer.insert(r);
    EXPECT_EQ(outer, std::set<float>({0.0f, 1.0f}));
}

}  // namespace
