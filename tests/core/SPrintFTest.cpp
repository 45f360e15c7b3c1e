#include "core/SPrintF.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Each row: a text's length, and the buffer's size after it; the buffer never shrinks, and a freed
// one comes back at the size kept.
TEST(SPrintF, FormatsLikePrintfIntoABufferThatGrowsToTheLongestText) {
    EXPECT_EQ(SPrintF::format("%s(%d,%s) %.1f s", "lever", 3, "on", 14.94), "lever(3,on) 14.9 s");
    SPrintF::free();
    SPrintF::bufSize = 1024;
    for (auto [length, size] : {std::pair(1023, 1024), {1024, 1025}, {1, 1025}, {1024, 1025}}) {
        std::string text(length, 'a');
        EXPECT_EQ(SPrintF::format("%s", text.c_str()), text);
        EXPECT_EQ(SPrintF::bufSize, size);
        SPrintF::free();
    }
}

TEST(SPrintF, TrimAndCleanCollapsesBlanks) {
    for (auto [text, clean] : {std::pair(" \tA\tB   C  ", "A B C"), {" \t ", ""}, {"", ""}, {"one", "one"}})
        EXPECT_EQ(SPrintF::trimAndClean(text), clean) << text;
}

}  // namespace
