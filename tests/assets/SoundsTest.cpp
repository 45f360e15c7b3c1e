#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int RATE = 44100, MILLISECOND = RATE / 1000;

// Mono 16-bit samples at 44100 Hz, or nothing when the file is missing or not in that form.
std::vector<int16_t> load(const std::string& name) {
    ALLEGRO_SAMPLE* sample = al_load_sample(("media/" + name + ".wav").c_str());
    std::vector<int16_t> data;
    if (sample && al_get_sample_frequency(sample) == unsigned(RATE) &&
        al_get_sample_depth(sample) == ALLEGRO_AUDIO_DEPTH_INT16 && al_get_sample_channels(sample) == ALLEGRO_CHANNEL_CONF_1) {
        const int16_t* first = static_cast<const int16_t*>(al_get_sample_data(sample));
        data.assign(first, first + al_get_sample_length(sample));
    }
    if (sample)
        al_destroy_sample(sample);
    return data;
}

// The shipped sound effects, read the way the game reads them.
struct ShippedSound : ::testing::TestWithParam<const char*> {
    static void SetUpTestSuite() {
        ASSERT_TRUE(al_init());
        ASSERT_TRUE(al_install_audio()) << "the test runner provides a silent sound device";
        ASSERT_TRUE(al_init_acodec_addon());
    }
};

// A sound that starts or stops short of zero, or jumps between neighbouring samples by half the scale,
// is heard as a click: entering and leaving silence, each sample stays under a one-millisecond ramp to
// the peak. Under -1 dBFS, and loud enough to hear.
TEST_P(ShippedSound, IsShortCleanAndBelowMinusOneDecibel) {
    std::vector<int16_t> data = load(GetParam());
    ASSERT_FALSE(data.empty()) << "missing, or not 16-bit mono at 44100 Hz";
    EXPECT_TRUE(data.size() > std::size_t(RATE / 50) && data.size() < std::size_t(RATE * 6 / 10)) << data.size();
    int peak = 0, largestStep = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        peak = std::max(peak, std::abs(int(data[i])));
        largestStep = std::max(largestStep, i ? std::abs(data[i] - data[i - 1]) : 0);
    }
    EXPECT_LE(peak, int(0.891 * 32768));
    EXPECT_GT(peak, 32768 / 20);
    EXPECT_LT(largestStep, 32768 / 2);
    for (int i = 0; i < MILLISECOND; ++i) {
        EXPECT_LE(std::abs(int(data[i])), peak * (i + 1) / MILLISECOND) << "starts abruptly, sample " << i;
        EXPECT_LE(std::abs(int(data[data.size() - 1 - i])), peak * (i + 1) / MILLISECOND) << "stops abruptly, " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedSound,
                         ::testing::Values("jump", "throw", "die", "land", "pickup", "cont", "switch"),
                         [](const auto& sound) { return std::string(sound.param); });

} // namespace
