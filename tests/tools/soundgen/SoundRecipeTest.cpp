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
    EXPECT_THROW(parse("voice freq=100>200>300\n"), SourceError);
    EXPECT_THROW(parse("voice wave=noise filter=lowpass cutoff=500>0\n"), SourceError);
    EXPECT_THROW(parse("voice wave=noise filter=lowpass cutoff=500> \n"), SourceError);
    EXPECT_THROW(parse("voice wave=noise filter=lowpass stages=0\n"), SourceError);
}

int crossings(const std::vector<float>& s, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        count += (s[i - 1] < 0) != (s[i] < 0);
    return count;
}

// A whoosh: band-passed noise whose centre climbs and comes back down.
TEST(SoundRecipeTest, ACutoffThroughThreePointsRisesThenFalls) {
    std::vector<float> s = renderSound(parse("voice wave=noise len=0.3 attack=0 power=0 filter=bandpass "
                                             "cutoff=300>4000>300 resonance=0.3 stages=2\n"));
    std::size_t third = s.size() / 3;
    int first = crossings(s, 0, third), middle = crossings(s, third, 2 * third),
        last = crossings(s, 2 * third, s.size());
    EXPECT_GT(middle, 2 * first);
    EXPECT_GT(middle, 2 * last);
    EXPECT_NEAR(first, last, first / 4) << "the path is symmetric";
}

// Share of a signal's power in its sample-to-sample changes: high for bright sounds.
double brightness(const std::vector<float>& s) {
    double change = 0, level = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        change += double(s[i] - s[i - 1]) * (s[i] - s[i - 1]), level += double(s[i]) * s[i];
    return change / level;
}

TEST(SoundRecipeTest, MoreFilterStagesCutHarder) {
    const char* voice = "voice wave=noise len=0.2 attack=0 power=0 filter=lowpass cutoff=500";
    double one = brightness(renderSound(parse(std::string(voice) + "\n")));
    double two = brightness(renderSound(parse(std::string(voice) + " stages=2\n")));
    EXPECT_LT(two, one / 2);
}

} // namespace
