#include "world/Geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(RectPath, APathCountsWhenAnyPartOfItIsInTheBox) {
    Rect box(0, 0, 10, 10);
    EXPECT_TRUE(box.crossedBy(Vec(-5, 5), Vec(15, 5)));    // straight through
    EXPECT_TRUE(box.crossedBy(Vec(5, 5), Vec(5, 5)));      // standing inside
    EXPECT_TRUE(box.crossedBy(Vec(-5, -5), Vec(5, 5)));    // ending inside
    EXPECT_FALSE(box.crossedBy(Vec(-5, 5), Vec(-1, 5)));   // stopping short
    EXPECT_FALSE(box.crossedBy(Vec(-5, 8), Vec(8, 25)));   // passing the corner
    EXPECT_FALSE(box.crossedBy(Vec(-1, -1), Vec(-1, 20)));  // alongside
    EXPECT_FALSE(box.crossedBy(Vec(10, -5), Vec(10, 20)));   // down the right edge
    EXPECT_TRUE(box.crossedBy(Vec(0, -5), Vec(0, 20)));      // down the left edge
}

} // namespace
