#include "Loudness.h"
#include "music/a5play.h"
#include "support/Files.h"

#include <dumb.h>
#include <gtest/gtest.h>

namespace {

constexpr double PAST_THE_SEAM = 8;  // seconds rendered after the loop, to hear the join

// A shipped module rendered by the game's own fragment renderer (DUMB at the game's resampling
// quality, stereo, 44100 Hz, fragments of 4096 frames) at the volume the game plays it, faster than
// real time: until 8 s past its first jump back, or 400 s in all.
struct Piece {
    StereoPcm pcm, onePass;  // all, and up to the loop
    double loopSeconds = -1;
    int orders = 0, restartOrder = -1;  // from the XM header

    Piece(const char* path, float volume) {
        static const bool started = al_init_dumb_addon(1);
        DUH* duh = started ? dumb_load_xm_quick(path) : nullptr;
        if (!duh)
            return;
        std::vector<uint8_t> header = fileBytes(path);
        orders = header.at(64) | header.at(65) << 8;
        restartOrder = header.at(66) | header.at(67) << 8;
        DUH_SIGRENDERER* renderer = dumb_it_start_at_order(duh, 2, 0);
        std::pair<DUH_SIGRENDERER*, long> loop{renderer, -1};  // 65536ths of a second at the first jump back
        dumb_it_set_loop_callback(duh_get_it_sigrenderer(renderer), [](void* data) {
            auto* watch = static_cast<std::pair<DUH_SIGRENDERER*, long>*>(data);
            if (watch->second < 0)
                watch->second = duh_sigrenderer_get_position(watch->first);
            return 0;  // play on through the seam
        }, &loop);
        std::vector<int16_t> fragment(4096 * 2);
        while (pcm.seconds() < 400 && (loop.second < 0 || pcm.seconds() < loop.second / 65536.0 + PAST_THE_SEAM)) {
            long frames = al_duh_render_fragment(renderer, volume, 44100, 4096, fragment.data());
            if (frames <= 0)
                break;
            pcm.samples.insert(pcm.samples.end(), fragment.begin(), fragment.begin() + frames * 2);
        }
        loopSeconds = loop.second < 0 ? -1 : loop.second / 65536.0;
        duh_end_sigrenderer(renderer);
        unload_duh(duh);
        std::size_t end = loopSeconds < 0 ? pcm.samples.size() : std::size_t(loopSeconds * pcm.rate) * 2;
        onePass.samples.assign(pcm.samples.begin(), pcm.samples.begin() + long(std::min(end, pcm.samples.size())));
    }
};

// The title music is turned down to a quarter, the victory music left at full volume.
const Piece& title() {
    static Piece piece("media/dreamland.xm", 0.25f);
    return piece;
}

const Piece& victory() {
    static Piece piece("media/unreal_superhero.xm", 1.0f);
    return piece;
}

// The title music plays two to three minutes before it loops, the victory music at least 45 s; both
// play on past the jump back to a pattern of their own.
TEST(ShippedModulesTest, EachPieceLoopsAfterItsLength) {
    for (auto [piece, shortest] : {std::pair{&title(), 120.0}, {&victory(), 45.0}}) {
        EXPECT_TRUE(piece->loopSeconds >= shortest && piece->loopSeconds <= 180) << piece->loopSeconds;
        EXPECT_TRUE(piece->restartOrder >= 0 && piece->restartOrder < piece->orders) << piece->restartOrder;
        EXPECT_GE(piece->pcm.seconds(), piece->loopSeconds + PAST_THE_SEAM - 0.1);
    }
}

// At the game's volumes neither piece jumps out louder than the other; each sounds throughout without
// clipping, and around the jump back there is neither a gap nor a sudden change of level. The title
// music, most of what a player hears, must not sound muffled.
TEST(ShippedModulesTest, BothPiecesAreEquallyLoudThroughoutAndLoopWithoutASeam) {
    Loudness titleLoudness(title().onePass);
    EXPECT_NEAR(titleLoudness.integrated, Loudness(victory().onePass).integrated, 3.0);
    EXPECT_GT(powerAboveDb(title().onePass, 4000), -25.0);
    for (const Piece* p : {&title(), &victory()}) {
        Loudness pass(p->onePass), all(p->pcm);
        for (double from = 0; from + 5 <= p->onePass.seconds(); from += 5)
            EXPECT_GT(pass.over(from, 5), pass.integrated - 15) << "a near silence from " << from << " s";
        EXPECT_LT(*std::max_element(p->pcm.samples.begin(), p->pcm.samples.end()), 32767) << "the mix clips";
        EXPECT_GT(*std::min_element(p->pcm.samples.begin(), p->pcm.samples.end()), -32768) << "the mix clips";
        double seam = p->loopSeconds, before = all.over(seam - 3.4, 3), after = all.over(seam, 3);
        EXPECT_NEAR(before, after, 3.0) << "at " << seam << " s";
        for (double t = seam - 2; t < seam + 2; t += 0.1)
            EXPECT_GT(all.over(t, 0.1), std::min(before, after) - 10) << "a gap at " << t << " s";
    }
}

} // namespace
