#include "entities/Avatar.h"
#include "entities/Container.h"
#include "input/InputScript.h"
#include "states/ScriptedPlay.h"
#include "support/AllegroFixture.h"
#include "world/Game.h"
#include "world/Tile.h"

#include <cmath>
#include <cstdlib>

namespace {

// Folds the state that matters to play (where the avatar and everything it can carry is, how it
// moves, what is collected, delivered and switched) into one number, step after step.
class Trace {
public:
    void step(LevelSession& session) {
        for (int tag : {Tags::AVAT, Tags::CARR, Tags::GRBG})
            for (Entity* entity : session.world.list(tag))
                add(position(entity->x()), position(entity->y()));
        if (Avatar* avatar = session.avatar())
            add(static_cast<int>(avatar->state), static_cast<int>(avatar->status));
        for (Entity* container : session.world.list(Tags::CONT))
            add(static_cast<Container*>(container)->count);
        add(static_cast<long long>(session.world.list(Tags::LOOS).size()));
        for (int type = 0; type < Tile::TYPES; ++type)
            add(Tile::present(type));
        add(static_cast<long long>(Game::sGame->looseGarbage));
    }
    unsigned long long digest = 14695981039346656037ull;

private:
    // A 256th of a pixel: finer than anything a player sees, coarse enough to ignore rounding noise.
    static long long position(double px) { return std::llround(px * 256); }
    template <typename... Values> void add(Values... values) {
        for (long long value : {static_cast<long long>(values)...})
            for (int byte = 0; byte < 8; ++byte)
                digest = (digest ^ ((static_cast<unsigned long long>(value) >> (8 * byte)) & 0xFF)) *
                         1099511628211ull;
    }
};

struct Recorded {
    int level;
    int steps;
    unsigned long long digest;
};

// Played and recorded from the shipped solutions. A change to how anything moves, collides,
// carries, switches or scores changes these: if it was meant, record the new figures.
const Recorded RECORDED[] = {
    {1, 727, 0x3850948949c2a562ull},   {2, 962, 0x14bdbec5ccc19f8aull},   {3, 651, 0xe06beb6fbe2a8188ull},
    {4, 527, 0xb53a741783fbba74ull},   {5, 771, 0x7d720b4f4d9173daull},   {6, 1259, 0x360a5947e3eb739full},
    {7, 520, 0x8f6b40431446e51bull},   {8, 1026, 0xc2442a4bda214991ull},  {9, 605, 0xbaaabfbd3e643830ull},
    {10, 1008, 0xdab27d9375fed3c9ull}, {11, 1195, 0xd41bda2263675423ull}, {12, 1406, 0x5d1e45f1c4c1655aull},
    {13, 1835, 0xad45df896c66d4cfull}, {14, 751, 0xc9242e13e8bfbfa6ull},
};

void PrintTo(const Recorded& recorded, std::ostream* out) {
    *out << "level " << recorded.level;
}

struct SolutionTraceTest : AllegroTest, ::testing::WithParamInterface<Recorded> {};

TEST_P(SolutionTraceTest, PlaysStepForStepAsRecorded) {
    const Recorded& recorded = GetParam();
    InputScript script;
    std::string error;
    std::string level = std::to_string(recorded.level);
    ASSERT_TRUE(script.load(SORRELMOOR_SOURCE_DIR "/level-src/solutions/" + level + ".script", error))
        << error;
    std::srand(1);
    ScriptedPlay play(("levels/" + level + ".lv").c_str(), script);
    Trace trace;
    ScriptedPlay::Outcome outcome = play.play(0, [&](LevelSession& session, int) { trace.step(session); });
    EXPECT_EQ(outcome.steps, recorded.steps);
    EXPECT_EQ(trace.digest, recorded.digest) << std::hex << "now 0x" << trace.digest;
}

INSTANTIATE_TEST_SUITE_P(Solutions, SolutionTraceTest, ::testing::ValuesIn(RECORDED),
                         [](const ::testing::TestParamInfo<Recorded>& played) {
                             return "Level" + std::to_string(played.param.level);
                         });

}  // namespace
