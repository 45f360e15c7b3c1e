#include "music/a5play.h"

#include <dumb.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

const double RATE = 44100;

struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double operator()(double x) {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        return y;
    }
};

// Integrated loudness in LUFS (ITU-R BS.1770-4): the mean square of both channels in 400 ms blocks
// every 100 ms, of the blocks above -70 LUFS and no more than 10 LU below their mean, K-weighted
// first (a high shelf for the head, then a high-pass for the lowest bass, from the analogue
// prototypes of the standard's 48 kHz coefficients).
double loudness(const std::vector<int16_t>& stereo) {
    double k = std::tan(M_PI * 1681.974450955533 / RATE), q = 0.7071752369554196, a0 = 1 + k / q + k * k;
    double vh = std::pow(10.0, 3.999843853973347 / 20), vb = std::pow(vh, 0.4996667741545416);
    Biquad shelf{(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
                 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
    k = std::tan(M_PI * 38.13547087602444 / RATE), q = 0.5003270373238773, a0 = 1 + k / q + k * k;
    Biquad bass{1 / a0, -2 / a0, 1 / a0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
    Biquad filters[2][2] = {{shelf, bass}, {shelf, bass}};  // left, right
    std::vector<double> power(stereo.size() / 2), blocks;
    for (size_t i = 0; i < stereo.size(); ++i) {
        double y = filters[i % 2][1](filters[i % 2][0](stereo[i] / 32768.0));
        power[i / 2] += y * y;
    }
    const size_t block = size_t(0.4 * RATE), step = size_t(0.1 * RATE);
    for (auto start = power.begin(); start + long(block) <= power.end(); start += long(step))
        blocks.push_back(std::accumulate(start, start + long(block), 0.0) / double(block));
    auto gated = [&blocks](double gate) {
        double sum = 0, count = 0;
        for (double z : blocks)
            if (-0.691 + 10 * std::log10(z) > gate)
                sum += z, ++count;
        return -0.691 + 10 * std::log10(sum / count);
    };
    return gated(gated(-70) - 10);
}

// A shipped module up to its first jump back, through the game's own fragment renderer (DUMB at the
// game's resampling quality, stereo, fragments of 4096 frames) at the volume the game plays it.
std::vector<int16_t> onePass(const char* path, float volume) {
    DUH* duh = dumb_load_xm_quick(path);
    if (!duh)
        return {};
    DUH_SIGRENDERER* renderer = dumb_it_start_at_order(duh, 2, 0);
    dumb_it_set_loop_callback(duh_get_it_sigrenderer(renderer), dumb_it_callback_terminate, nullptr);
    std::vector<int16_t> pcm, fragment(4096 * 2);
    for (long frames = 4096; frames == 4096;) {
        frames = al_duh_render_fragment(renderer, volume, int(RATE), 4096, fragment.data());
        pcm.insert(pcm.end(), fragment.begin(), fragment.begin() + std::max(0L, frames) * 2);
    }
    duh_end_sigrenderer(renderer);
    unload_duh(duh);
    return pcm;
}

// The title music, turned down to a quarter, and the victory music, at full volume, must not jump out
// louder than the other: within 1 LU (both measure near -26 LUFS). Each lasts long enough not to tire
// before it loops, and neither clips.
TEST(ShippedModulesTest, BothPiecesAreEquallyLoudLongEnoughAndUnclipped) {
    ASSERT_TRUE(al_init_dumb_addon(1));
    std::vector<int16_t> title = onePass("media/dreamland.xm", 0.25f);
    std::vector<int16_t> victory = onePass("media/unreal_superhero.xm", 1.0f);
    EXPECT_NEAR(loudness(title), loudness(victory), 1.0);
    for (auto [piece, shortest] : {std::pair{&title, 120.0}, {&victory, 45.0}}) {
        EXPECT_GE(piece->size() / 2 / RATE, shortest);
        auto [low, high] = std::minmax_element(piece->begin(), piece->end());
        EXPECT_TRUE(*low > -32768 && *high < 32767) << "the mix clips";
    }
}

}  // namespace
