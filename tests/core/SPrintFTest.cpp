#include "core/SPrintF.h"

#include <gtest/gtest.h>

namespace {

TEST(SPrintF, FormatsLikePrintfIntoABufferThatGrowsToTheLongestText) {
    EXPECT_EQ(SPrintF::format("%s(%d,%s) %.1f s", "lever", 3, "on", 14.94), "lever(3,on) 14.9 s");
    SPrintF::free();
    SPrintF::bufSize = 1024;
    using Step = std::pair<size_t, int>;  // a text's length, the buffer's size after it
    for (auto [length, size] : std::vector<Step>{{1023, 1024}, {1024, 1025}, {1, 1025}, {1024, 1025}}) {
        std::string text(length, 'a');
        EXPECT_EQ(SPrintF::format("%s", text.c_str()), text);
        EXPECT_EQ(SPrintF::bufSize, size);  // never shrinks
        SPrintF::free();  // a fresh buffer of the kept size
    }
}

TEST(SPrintF, TrimAndCleanCollapsesBlanks) {
    for (auto [text, clean] : std::vector<std::pair<const char*, const char*>>{
             {" \tA\tB   C  ", "A B C"}, {" \t ", ""}, {"", ""}, {"one", "one"}})
        EXPECT_EQ(SPrintF::trimAndClean(text), clean) << text;
}

} // namespace
