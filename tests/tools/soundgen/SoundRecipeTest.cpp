#include "SoundRecipe.h"
#include "TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

std::vector<float> rendered(const std::string& text) {
    std::istringstream in(text);
    return renderSound(parseSoundRecipe(in, "test.sound"));
}

int crossings(const std::vector<float>& s, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        count += (s[i - 1] < 0) != (s[i] < 0);
    return count;
}

// Rendered to its peak with silent ends; a voice starting late is silent until then.
TEST(SoundRecipeTest, RendersToItsPeakAndStartsVoicesOnTime) {
    std::vector<float> s = rendered("peak -6 # half scale\nvoice wave=square freq=200>800 len=0.2 attack=0 power=0\n");
    ASSERT_EQ(s.size(), std::size_t(0.2 * 44100));
    float peak = 0;
    for (float v : s)
        peak = std::max(peak, std::fabs(v));
    EXPECT_NEAR(peak, std::pow(10.0, -6 / 20.0), 1e-4);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_NEAR(s.back(), 0.0f, 1e-3);
    s = rendered("voice wave=sine freq=100 start=0.1 len=0.1 power=0\n");
    EXPECT_EQ(*std::max_element(s.begin(), s.begin() + 4400), 0.0f);
    EXPECT_NEAR(crossings(s, 4411, s.size()), 20, 2) << "100 Hz over 0.1 s";
}

TEST(SoundRecipeTest, RejectsSoundsTooLongTooLoudOrMisspelt) {
    for (const char* bad : {"voice len=0.7\n", "peak 0\nvoice len=0.1\n", "voice wave=buzz\n", "voice freq=abc\n",
                            "voice len 0.1\n", "peak -3\n", "voice freq=100>200>300\n",
                            "voice wave=noise filter=lowpass cutoff=500>0\n",
                            "voice wave=noise filter=lowpass cutoff=500> \n",
                            "voice wave=noise filter=lowpass stages=0\n"})
        EXPECT_THROW(rendered(bad), SourceError) << bad;
}

} // namespace
