#include "input/InputScript.h"
#include "states/ScriptedPlay.h"
#include "support/AllegroFixture.h"
#include "support/Files.h"

#include <algorithm>
#include <cstdlib>

namespace {

const int STEPS = static_cast<int>(10 * 60 / ScriptedPlay::STEP);  // ten minutes

// Key mashing, the same in every run: stretches of 3 to 40 steps with any mix of keys held, often
// with a jump or a throw at their start.
InputScript mashing() {
    std::string text, error;
    for (int line = 0; line < 1000; ++line) {
        text += "\n" + std::to_string(3 + std::rand() % 38);
        for (const char* key : {" left", " right", " up", " down", " jump", " toss"})
            text += std::rand() % 3 ? "" : key;
    }
    InputScript script;
    EXPECT_TRUE(script.parse(text, error)) << error;
    return script;
}

struct SoakTest : AllegroTest, ::testing::WithParamInterface<std::string> {};

// Attempt after attempt (a death or a win starts the level again): sparks and puffs come and go
// with the bursts, but what is left behind would show as more entities late than early.
TEST_P(SoakTest, TenMinutesOfMashingKeysLeaveNoGrowingCrowd) {
    std::string file = "levels/" + GetParam() + ".lv";
    std::srand(7919);
    size_t most[2] = {0, 0};  // in the first and the second half of the time
    int steps = 0;
    auto watch = [&](LevelSession& session, int step) {
        size_t& half = most[steps + step < STEPS / 2 ? 0 : 1];
        half = std::max(half, session.world.list(Tags::ENTT).size());
    };
    while (steps < STEPS)
        steps += std::max(1, ScriptedPlay(file.c_str(), mashing()).play(0, watch).steps);
    EXPECT_LE(most[1], most[0] * 5 / 4 + 60);
}

INSTANTIATE_TEST_SUITE_P(Levels, SoakTest, ::testing::ValuesIn(levelSourceNames()),
                         [](const auto& each) { return "Level" + each.param; });

}  // namespace
