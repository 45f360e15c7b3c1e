#include "Loudness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Stretch {
    double seconds, hz, dbfs;  // below -200 dBFS is silence
    bool rightToo = true;
};

StereoPcm tones(std::initializer_list<Stretch> stretches) {
    StereoPcm pcm;
    for (const Stretch& s : stretches) {
        double amplitude = s.dbfs < -200 ? 0 : 32767 * std::pow(10.0, s.dbfs / 20);
        for (long i = 0; i < long(s.seconds * pcm.rate); ++i) {
            auto value = int16_t(std::lround(amplitude * std::sin(2 * M_PI * s.hz * i / pcm.rate)));
            pcm.samples.push_back(value);
            pcm.samples.push_back(s.rightToo ? value : 0);
        }
    }
    return pcm;
}

// The broadcast standard's reference (997 Hz at 0 dBFS in both channels reads 0 LUFS), the
// K-weighting's shape and both gates; the other values are what ffmpeg's ebur128 meter reads for the
// same signals. Blocks that straddle a change of level pass the gates, hence -20.1.
TEST(LoudnessTest, MeasuresAsTheBroadcastStandardDoes) {
    const struct {
        const char* name;
        StereoPcm pcm;
        double lufs, tolerance;
    } cases[] = {
        {"997 Hz at -20 dBFS", tones({{10, 997, -20}}), -20.0, 0.05},
        {"in one channel only", tones({{10, 997, -20, false}}), -23.01, 0.05},
        {"8 kHz, lifted by the head's shelf", tones({{10, 8000, -20}}), -16.65, 0.1},
        {"40 Hz, cut by the low-frequency filter", tones({{10, 40, -20}}), -26.3, 0.1},
        {"with silence, left out by the absolute gate", tones({{10, 997, -20}, {10, 0, -300}}), -20.1, 0.05},
        {"with 20 dB less, left out by the relative gate", tones({{10, 997, -20}, {10, 997, -40}}), -20.1, 0.05},
        {"with 6 dB less, counted", tones({{10, 997, -20}, {10, 997, -26}}), -22.04, 0.1},
        {"silence", tones({{5, 0, -300}}), -70.0, 0.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(measureLoudness(c.pcm).integrated, c.lufs, c.tolerance) << c.name;
    Loudness l = measureLoudness(tones({{2, 997, -20}, {2, 997, -40}}));
    ASSERT_EQ(l.momentary.size(), 37u) << "400 ms blocks every 100 ms over 4 s";
    EXPECT_NEAR(l.momentary.front(), -20.0, 0.1);
    EXPECT_NEAR(l.momentary.back(), -40.0, 0.1);
    EXPECT_NEAR(powerAboveDb(tones({{2, 10000, -20}}), 4000), 0.0, 0.5);
    EXPECT_LT(powerAboveDb(tones({{2, 1000, -20}}), 4000), -20.0);
}

} // namespace
