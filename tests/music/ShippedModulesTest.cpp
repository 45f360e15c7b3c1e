#include <dumb.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kWindow = 5 * kRate;

struct Rendered {
    double seconds = 0;
    int peak = 0;
    std::vector<double> windowRms; // one per 5 s, the last possibly shorter
};

// Renders one pass through the module (stopping where it would loop) as the game does: stereo,
// 44100 Hz, volume 1.0.
Rendered renderOnePass(const char* path) {
    Rendered out;
    dumb_register_stdfiles();
    dumb_resampling_quality = 1;
    DUH* duh = dumb_load_xm_quick(path);
    if (!duh)
        return out;
    DUH_SIGRENDERER* renderer = dumb_it_start_at_order(duh, 2, 0);
    dumb_it_set_loop_callback(duh_get_it_sigrenderer(renderer), dumb_it_callback_terminate, nullptr);
    std::vector<short> buffer(4096 * 2);
    double sum = 0;
    long inWindow = 0, total = 0;
    while (total < 200L * kRate) {
        long frames = duh_render(renderer, 16, 0, 1.0f, 65536.0f / kRate, 4096, buffer.data());
        if (frames <= 0)
            break;
        for (long i = 0; i < frames; ++i) {
            int left = buffer[std::size_t(2 * i)], right = buffer[std::size_t(2 * i + 1)];
            out.peak = std::max({out.peak, std::abs(left), std::abs(right)});
            sum += (double(left) * left + double(right) * right) / 2;
            if (++inWindow == kWindow) {
                out.windowRms.push_back(std::sqrt(sum / inWindow));
                sum = 0, inWindow = 0;
            }
        }
        total += frames;
    }
    if (inWindow > kRate / 2)
        out.windowRms.push_back(std::sqrt(sum / inWindow));
    out.seconds = double(total) / kRate;
    duh_end_sigrenderer(renderer);
    unload_duh(duh);
    return out;
}

void expectMusicThroughout(const Rendered& r) {
    ASSERT_FALSE(r.windowRms.empty());
    for (std::size_t i = 0; i < r.windowRms.size(); ++i)
        EXPECT_GT(r.windowRms[i], 300.0) << "near silence from " << i * 5 << " s";
    EXPECT_LT(r.peak, 32767) << "the mix clips at volume 1.0";
}

TEST(ShippedModulesTest, TitleMusicPlaysAMinuteToTwoAndLoops) {
    Rendered r = renderOnePass("media/dreamland.xm");
    std::cout << "dreamland.xm: " << r.seconds << " s per loop, peak " << r.peak << "\n";
    EXPECT_GE(r.seconds, 60.0);
    EXPECT_LE(r.seconds, 120.0) << "a length this long means the loop jump is missing";
    expectMusicThroughout(r);
}

TEST(ShippedModulesTest, VictoryMusicLastsAtLeastFortyFiveSeconds) {
    Rendered r = renderOnePass("media/unreal_superhero.xm");
    std::cout << "unreal_superhero.xm: " << r.seconds << " s per loop, peak " << r.peak << "\n";
    EXPECT_GE(r.seconds, 45.0);
    EXPECT_LT(r.seconds, 200.0) << "no loop point found";
    expectMusicThroughout(r);
}

} // namespace
