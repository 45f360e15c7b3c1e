#include "core/Random.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

TEST(Random, IntegersCoverBothEnds) {
    std::set<long> seen;
    for (int i = 0; i < 300; ++i) {
        long r = randomInt(0, 2);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 2);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 3u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(randomInt(5, 5), 5);
}

TEST(Random, FloatsStayInRangeAndReachBothEnds) {
    bool sawMin = false, sawMax = false;
    std::srand(1);
    // 32768 equally likely draws; a few hundred thousand make both ends all but certain.
    for (int i = 0; i < 400000 && !(sawMin && sawMax); ++i) {
        float r = randomFloat(0, 1);
        ASSERT_GE(r, 0.0f);
        ASSERT_LE(r, 1.0f);
        sawMin = sawMin || r == 0.0f;
        sawMax = sawMax || r == 1.0f;
    }
    EXPECT_TRUE(sawMin);
    EXPECT_TRUE(sawMax);
    for (int i = 0; i < 1000; ++i) {
        float r = randomFloat(3.0f, 797.0f);
        ASSERT_GE(r, 3.0f);
        ASSERT_LE(r, 797.0f);
    }
}

TEST(Random, SameSeedSameSequence) {
    std::srand(1);
    std::vector<long> first;
    for (int i = 0; i < 50; ++i)
        first.push_back(randomInt(0, 1000));
    std::srand(1);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(randomInt(0, 1000), first[i]);
}

} // namespace
