#include "ModuleRender.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// The volumes the game plays them at: the title music is turned down to a quarter, the victory music
// is left at full volume.
constexpr float kTitleVolume = 0.25f, kVictoryVolume = 1.0f;
constexpr double kPastTheSeam = 8; // seconds rendered after the loop, to hear the join
constexpr double kLongest = 400;   // seconds: a module that never loops is cut off here

struct Piece {
    RenderedModule module;
    StereoPcm onePass; // up to the loop
    Loudness loudness; // of one pass
};

Piece render(const char* path, float volume) {
    Piece p;
    p.module = renderModule(path, volume, kPastTheSeam, kLongest);
    std::size_t end = p.module.pcm.samples.size();
    if (p.module.loopSeconds >= 0)
        end = std::min(end, std::size_t(p.module.loopSeconds * p.module.pcm.rate) * 2);
    p.onePass.samples.assign(p.module.pcm.samples.begin(), p.module.pcm.samples.begin() + long(end));
    p.loudness = measureLoudness(p.onePass);
    return p;
}

const Piece& title() {
    static Piece piece = render("media/dreamland.xm", kTitleVolume);
    return piece;
}

const Piece& victory() {
    static Piece piece = render("media/unreal_superhero.xm", kVictoryVolume);
    return piece;
}

// Loudness over `seconds` of the momentary blocks starting at `from` seconds.
double loudnessOver(const Loudness& l, double from, double seconds) {
    double sum = 0;
    int count = 0;
    for (std::size_t i = std::size_t(std::max(0.0, from * 10));
         i < l.momentary.size() && i < (from + seconds) * 10; ++i, ++count)
        sum += std::pow(10.0, (l.momentary[i] + 0.691) / 10);
    return count ? -0.691 + 10 * std::log10(sum / count) : -70;
}

// The title music plays two to three minutes before it loops, the victory music at least 45 s; both
// play on past the jump back to a pattern of their own.
TEST(ShippedModulesTest, EachPieceLoopsAfterItsLength) {
    for (auto [piece, shortest, longest] : {std::tuple{&title(), 120.0, 180.0}, {&victory(), 45.0, 180.0}}) {
        const RenderedModule& m = piece->module;
        ASSERT_TRUE(m.loaded);
        EXPECT_TRUE(m.loopSeconds >= shortest && m.loopSeconds <= longest) << m.loopSeconds;
        EXPECT_TRUE(m.restartOrder >= 0 && m.restartOrder < m.orders) << m.restartOrder;
        EXPECT_GE(m.pcm.seconds(), m.loopSeconds + kPastTheSeam - 0.1);
    }
}

// What a player hears at the game's volumes: one piece must not jump out louder than the other.
TEST(ShippedModulesTest, BothPiecesAreEquallyLoudAtTheVolumesTheGamePlaysThem) {
    EXPECT_NEAR(title().loudness.integrated, victory().loudness.integrated, 3.0);
}

TEST(ShippedModulesTest, EachPieceSoundsThroughoutWithoutClipping) {
    for (const Piece* p : {&title(), &victory()}) {
        const Loudness& l = p->loudness;
        for (double from = 0; from + 5 <= p->onePass.seconds(); from += 5)
            EXPECT_GT(loudnessOver(l, from, 5), l.integrated - 15) << "a near silence from " << from << " s";
        int peak = 0;
        for (int16_t s : p->module.pcm.samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_LT(peak, 32767) << "the mix clips";
    }
}

// Around the jump back neither a gap nor a sudden change of level: the join is not heard.
TEST(ShippedModulesTest, TheLoopJoinsWithoutASeam) {
    for (const Piece* p : {&title(), &victory()}) {
        Loudness l = measureLoudness(p->module.pcm);
        double seam = p->module.loopSeconds;
        double before = loudnessOver(l, seam - 3.4, 3), after = loudnessOver(l, seam, 3);
        EXPECT_NEAR(before, after, 3.0) << "at " << seam << " s";
        for (double t = seam - 2; t < seam + 2; t += 0.1)
            EXPECT_GT(loudnessOver(l, t, 0.1), std::min(before, after) - 10) << "a gap at " << t << " s";
    }
}

// The title music is most of what a player hears: it must not sound muffled.
TEST(ShippedModulesTest, TitleMusicHasTreble) {
    EXPECT_GT(powerAboveDb(title().onePass, 4000), -25.0);
}

} // namespace
