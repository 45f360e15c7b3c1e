#include "SoundRecipe.h"
#include "TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

SoundRecipe parse(const std::string& text) {
    std::istringstream in(text);
    return parseSoundRecipe(in, "test.sound");
}

TEST(SoundRecipeTest, RendersToItsPeakWithSilentEnds) {
    std::vector<float> s = renderSound(parse("peak -6 # half scale\nvoice wave=square freq=200>800 len=0.2 "
                                             "attack=0 power=0\n"));
    ASSERT_EQ(s.size(), std::size_t(0.2 * 44100));
    float peak = 0;
    for (float v : s)
        peak = std::max(peak, std::fabs(v));
    EXPECT_NEAR(peak, std::pow(10.0, -6 / 20.0), 1e-4);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_NEAR(s.back(), 0.0f, 1e-3);
}

TEST(SoundRecipeTest, VoicesStartLateAndSweepTheirPitch) {
    std::vector<float> s = renderSound(parse("voice wave=sine freq=100 start=0.1 len=0.1 power=0\n"));
    EXPECT_EQ(*std::max_element(s.begin(), s.begin() + 4400), 0.0f);
    int crossings = 0;
    for (std::size_t i = 4411; i < s.size(); ++i)
        crossings += (s[i - 1] < 0) != (s[i] < 0);
    EXPECT_NEAR(crossings, 20, 2) << "100 Hz over 0.1 s";
}

TEST(SoundRecipeTest, RejectsSoundsTooLongTooLoudOrMisspelt) {
    EXPECT_THROW(parse("voice len=0.7\n"), SourceError);
    EXPECT_THROW(parse("peak 0\nvoice len=0.1\n"), SourceError);
    EXPECT_THROW(parse("voice wave=buzz\n"), SourceError);
    EXPECT_THROW(parse("voice freq=abc\n"), SourceError);
    EXPECT_THROW(parse("voice len 0.1\n"), SourceError);
    EXPECT_THROW(parse("peak -3\n"), SourceError);
}

} // namespace
