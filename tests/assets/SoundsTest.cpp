#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// The shipped sound effects, read the way the game reads them.
struct SoundsTest : ::testing::TestWithParam<const char*> {
    static void SetUpTestSuite() {
        ASSERT_TRUE(al_init());
        ASSERT_TRUE(al_install_audio()) << "the test runner provides a silent sound device";
        ASSERT_TRUE(al_init_acodec_addon());
    }
};

TEST_P(SoundsTest, IsShortCleanAndBelowMinusOneDecibel) {
    std::string path = std::string("media/") + GetParam() + ".wav";
    ALLEGRO_SAMPLE* sample = al_load_sample(path.c_str());
    ASSERT_NE(sample, nullptr) << path;
    ASSERT_EQ(al_get_sample_frequency(sample), 44100u);
    ASSERT_EQ(al_get_sample_depth(sample), ALLEGRO_AUDIO_DEPTH_INT16);
    ASSERT_EQ(al_get_sample_channels(sample), ALLEGRO_CHANNEL_CONF_1);
    unsigned length = al_get_sample_length(sample);
    EXPECT_GT(length, 44100u / 50) << "at least 20 ms";
    EXPECT_LT(length, 44100u * 6 / 10) << "under 0.6 s";

    const int16_t* data = static_cast<const int16_t*>(al_get_sample_data(sample));
    int peak = 0;
    for (unsigned i = 0; i < length; ++i)
        peak = std::max(peak, std::abs(int(data[i])));
    EXPECT_LE(peak, int(0.891 * 32768)) << "peak above -1 dBFS";
    EXPECT_GT(peak, 32768 / 20) << "too quiet to hear";
    EXPECT_LT(std::abs(int(data[0])), 100) << "click at the start";
    EXPECT_LT(std::abs(int(data[length - 1])), 100) << "click at the end";
    al_destroy_sample(sample);
}

INSTANTIATE_TEST_SUITE_P(Shipped, SoundsTest,
                         ::testing::Values("jump", "throw", "die", "land", "pickup", "cont", "switch"));

} // namespace
