#include "input/InputScript.h"
#include "states/ScriptedPlay.h"
#include "support/AllegroFixture.h"
#include "support/Files.h"

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

const int STEPS = static_cast<int>(10 * 60 / ScriptedPlay::STEP);  // ten minutes

// Random but repeatable key mashing: stretches of 3 to 40 steps with any mix of held keys,
// often a jump or a throw at the start.
InputScript mashing(std::mt19937& random, int steps) {
    std::string text;
    for (int planned = 0; planned < steps;) {
        int frames = std::uniform_int_distribution<int>(3, 40)(random);
        text += std::to_string(frames);
        for (const char* key : {" left", " right", " up", " down", " jump", " toss"})
            if (random() % 3 == 0)
                text += key;
        text += "\n";
        planned += frames;
    }
    InputScript script;
    std::string error;
    EXPECT_TRUE(script.parse(text, error)) << error;
    return script;
}

struct SoakTest : AllegroTest, ::testing::WithParamInterface<std::string> {};

// Attempt after attempt (a death or a win starts the level again): sparks and puffs come and go
// with the bursts, but what is left behind would show as more entities late than early.
TEST_P(SoakTest, TenMinutesOfMashingKeysLeaveNoGrowingCrowd) {
    std::string file = "levels/" + GetParam() + ".lv";
    size_t atStart = ScriptedPlay(file.c_str(), InputScript()).session.world.list(Tags::ENTT).size();
    std::mt19937 random(7919);
    std::srand(7919);
    size_t most[2] = {0, 0};  // in the first and the second half of the time
    for (int steps = 0; steps < STEPS;) {
        ScriptedPlay play(file.c_str(), mashing(random, STEPS - steps));
        ScriptedPlay::Outcome outcome = play.play(0, [&](LevelSession& session, int step) {
            size_t& half = most[steps + step < STEPS / 2 ? 0 : 1];
            half = std::max(half, session.world.list(Tags::ENTT).size());
        });
        steps += std::max(outcome.steps, 1);
    }
    EXPECT_LE(most[1], most[0] + (most[0] - atStart) / 4 + 60);
}

INSTANTIATE_TEST_SUITE_P(Levels, SoakTest, ::testing::ValuesIn(levelSourceNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return "Level" + info.param; });

} // namespace
