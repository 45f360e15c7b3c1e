#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Effects play over the music and each other, so they are short; a sound heard to click starts or
// stops away from zero, or jumps by half the scale between neighbouring samples.
TEST(ShippedSounds, AreShortAndStartAndEndWithoutAClick) {
    ASSERT_TRUE(al_init() && al_install_audio() && al_init_acodec_addon());
    for (std::string name : {"jump", "throw", "die", "land", "pickup", "cont", "switch"}) {
        ALLEGRO_SAMPLE* sample = al_load_sample(("media/" + name + ".wav").c_str());
        ASSERT_NE(sample, nullptr) << name;
        ASSERT_EQ(al_get_sample_depth(sample), ALLEGRO_AUDIO_DEPTH_INT16) << name;
        ASSERT_EQ(al_get_sample_channels(sample), ALLEGRO_CHANNEL_CONF_1) << name;
        const int16_t* data = static_cast<const int16_t*>(al_get_sample_data(sample));
        unsigned length = al_get_sample_length(sample);
        EXPECT_LT(length, 0.6 * al_get_sample_frequency(sample)) << name;
        EXPECT_EQ(data[0], 0) << name;
        EXPECT_EQ(data[length - 1], 0) << name;
        int largestStep = 0;
        for (unsigned i = 1; i < length; ++i)
            largestStep = std::max(largestStep, std::abs(data[i] - data[i - 1]));
        EXPECT_LT(largestStep, 32768 / 2) << name;
        al_destroy_sample(sample);
    }
}

}  // namespace
