#include "core/SPrintF.h"

#include <gtest/gtest.h>

namespace {

TEST(SPrintF, FormatsLikePrintf) {
    EXPECT_EQ(SPrintF::format("levels/%d.lv", 12), "levels/12.lv");
    EXPECT_EQ(SPrintF::format("%s(%d,%s)", "lever", 3, "on"), "lever(3,on)");
    EXPECT_EQ(SPrintF::format("%.1f s", 14.94), "14.9 s");
}

TEST(SPrintF, BufferGrowsExactlyToTheLongestTextAndNeverShrinks) {
    SPrintF::free();
    SPrintF::bufSize = 1024;
    std::string fits(1023, 'a');
    EXPECT_EQ(SPrintF::format("%s", fits.c_str()), fits);
    EXPECT_EQ(SPrintF::bufSize, 1024);

    std::string longer(1024, 'b');
    EXPECT_EQ(SPrintF::format("%s", longer.c_str()), longer);
    EXPECT_EQ(SPrintF::bufSize, 1025);

    EXPECT_EQ(SPrintF::format("%d", 7), "7");
    EXPECT_EQ(SPrintF::bufSize, 1025);

    SPrintF::free();
    EXPECT_EQ(SPrintF::buffer, nullptr);
    EXPECT_EQ(SPrintF::format("%s", longer.c_str()), longer);  // a fresh buffer of the kept size
    EXPECT_EQ(SPrintF::bufSize, 1025);
}

TEST(SPrintF, TrimAndCleanCollapsesBlanks) {
    EXPECT_EQ(SPrintF::trimAndClean(" \tA\tB   C  "), "A B C");
    EXPECT_EQ(SPrintF::trimAndClean(" \t "), "");
    EXPECT_EQ(SPrintF::trimAndClean(""), "");
    EXPECT_EQ(SPrintF::trimAndClean("one"), "one");
}

} // namespace
