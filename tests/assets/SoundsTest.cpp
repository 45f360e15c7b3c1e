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

constexpr int kRate = 44100, kOneMillisecond = kRate / 1000;

// The shipped sound effects, read the way the game reads them.
struct ShippedSound : ::testing::Test {
    static void SetUpTestSuite() {
        ASSERT_TRUE(al_init());
        ASSERT_TRUE(al_install_audio()) << "the test runner provides a silent sound device";
        ASSERT_TRUE(al_init_acodec_addon());
    }
};
struct SoundsTest : ShippedSound, ::testing::WithParamInterface<const char*> {};
using ThrowSoundTest = ShippedSound;

// Mono 16-bit samples at 44100 Hz, or nothing when the file is missing or not in that form.
std::vector<int16_t> load(const std::string& name) {
    std::string path = "media/" + name + ".wav";
    ALLEGRO_SAMPLE* sample = al_load_sample(path.c_str());
    std::vector<int16_t> data;
    if (sample && al_get_sample_frequency(sample) == unsigned(kRate) &&
        al_get_sample_depth(sample) == ALLEGRO_AUDIO_DEPTH_INT16 &&
        al_get_sample_channels(sample) == ALLEGRO_CHANNEL_CONF_1) {
        const int16_t* first = static_cast<const int16_t*>(al_get_sample_data(sample));
        data.assign(first, first + al_get_sample_length(sample));
    }
    if (sample)
        al_destroy_sample(sample);
    return data;
}

int peakOf(const std::vector<int16_t>& data) {
    int peak = 0;
    for (int16_t s : data)
        peak = std::max(peak, std::abs(int(s)));
    return peak;
}

// A sound that starts or stops short of zero, or jumps between neighbouring samples by half the scale
// (energy at the top of the band), is heard as a click. Entering and leaving silence, each sample stays
// under a one-millisecond ramp to the sound's peak.
void expectNoClick(const std::vector<int16_t>& data) {
    int peak = peakOf(data);
    std::size_t last = data.size() - 1;
    EXPECT_LT(std::abs(int(data[0])), 100) << "click at the start";
    EXPECT_LT(std::abs(int(data[last])), 100) << "click at the end";
    for (int i = 0; i < kOneMillisecond; ++i) {
        int ramp = peak * (i + 1) / kOneMillisecond;
        EXPECT_LE(std::abs(int(data[std::size_t(i)])), ramp) << "starts abruptly, sample " << i;
        EXPECT_LE(std::abs(int(data[last - std::size_t(i)])), ramp)
            << "stops abruptly, " << i << " from the end";
    }
    int largestStep = 0;
    for (std::size_t i = 1; i < data.size(); ++i)
        largestStep = std::max(largestStep, std::abs(data[i] - data[i - 1]));
    EXPECT_LT(largestStep, 32768 / 2) << "a crack between neighbouring samples";
}

TEST_P(SoundsTest, IsShortCleanAndBelowMinusOneDecibel) {
    std::vector<int16_t> data = load(GetParam());
    ASSERT_FALSE(data.empty()) << GetParam() << ": missing, or not 16-bit mono at 44100 Hz";
    EXPECT_GT(data.size(), std::size_t(kRate / 50)) << "at least 20 ms";
    EXPECT_LT(data.size(), std::size_t(kRate * 6 / 10)) << "under 0.6 s";
    int peak = peakOf(data);
    EXPECT_LE(peak, int(0.891 * 32768)) << "peak above -1 dBFS";
    EXPECT_GT(peak, 32768 / 20) << "too quiet to hear";
    expectNoClick(data);
}

INSTANTIATE_TEST_SUITE_P(Shipped, SoundsTest,
                         ::testing::Values("jump", "throw", "die", "land", "pickup", "cont", "switch"));

int zeroCrossings(const std::vector<int16_t>& data, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        count += (data[i - 1] < 0) != (data[i] < 0);
    return count;
}

// A whoosh, not a hiss: it swells to its loudest well after the start, and its pitch (how often it
// crosses zero) climbs in the middle and falls away again.
TEST_F(ThrowSoundTest, IsAWhooshThatRisesAndFallsAway) {
    std::vector<int16_t> data = load("throw");
    ASSERT_FALSE(data.empty());
    std::size_t window = 20 * kOneMillisecond, loudest = 0;
    double loudestPower = 0;
    for (std::size_t at = 0; at + window <= data.size(); at += window) {
        double power = 0;
        for (std::size_t i = at; i < at + window; ++i)
            power += double(data[i]) * data[i];
        if (power > loudestPower)
            loudestPower = power, loudest = at;
    }
    EXPECT_GT(loudest, data.size() / 5) << "a hit, not a swell";
    EXPECT_LT(loudest, data.size() * 7 / 10);
    std::size_t third = data.size() / 3;
    int middle = zeroCrossings(data, third, 2 * third);
    EXPECT_GT(middle, 3 * zeroCrossings(data, 0, third) / 2);
    EXPECT_GT(middle, 3 * zeroCrossings(data, 2 * third, data.size()) / 2);
}

} // namespace
