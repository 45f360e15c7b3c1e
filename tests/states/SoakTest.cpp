#include "entities/Avatar.h"
#include "input/InputScript.h"
#include "states/ScriptedPlay.h"
#include "support/AllegroFixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>

namespace {

const int MINUTES = 10;
const int STEPS = static_cast<int>(MINUTES * 60 / ScriptedPlay::STEP);

// Random but repeatable key mashing: stretches of 3 to 40 steps with any mix of held keys,
// often a jump or a throw at the start.
InputScript mashing(std::mt19937& random, int steps) {
    const char* held[] = {"left", "right", "up", "down"};
    std::string text;
    for (int planned = 0; planned < steps;) {
        int frames = std::uniform_int_distribution<int>(3, 40)(random);
        text += std::to_string(frames);
        for (const char* key : held)
            if (random() % 3 == 0)
                text += std::string(" ") + key;
        if (random() % 2 == 0)
            text += " jump";
        if (random() % 3 == 0)
            text += " toss";
        text += "\n";
        planned += frames;
    }
    InputScript script;
    std::string error;
    EXPECT_TRUE(script.parse(text, error)) << error;
    return script;
}

struct Soak {
    int steps = 0;
    int attempts = 0;
    size_t mostEntities[2] = {0, 0};  // in the first and the second half of the time
};

// Plays attempt after attempt (a death or a win starts the level again) until the minutes
// are used up, noting the largest number of live entities.
Soak soak(const std::string& file, unsigned seed) {
    std::mt19937 random(seed);
    std::srand(seed);
    Soak soaked;
    while (soaked.steps < STEPS) {
        ScriptedPlay play(file.c_str(), mashing(random, STEPS - soaked.steps));
        ++soaked.attempts;
        ScriptedPlay::Outcome outcome = play.play(0, [&](LevelSession& session, int step) {
            size_t& most = soaked.mostEntities[soaked.steps + step < STEPS / 2 ? 0 : 1];
            most = std::max(most, session.world.list(Tags::ENTT).size());
        });
        soaked.steps += std::max(outcome.steps, 1);
    }
    return soaked;
}

struct SoakTest : AllegroTest, ::testing::WithParamInterface<std::string> {};

TEST_P(SoakTest, TenMinutesOfMashingKeysLeaveNoGrowingCrowd) {
    std::string file = "levels/" + GetParam() + ".lv";
    ScriptedPlay first(file.c_str(), InputScript());
    size_t atStart = first.session.world.list(Tags::ENTT).size();
    Soak soaked = soak(file, 7919);
    EXPECT_GE(soaked.steps, STEPS);
    // Sparks and puffs come and go with the bursts; what is left behind would show as growth.
    size_t early = soaked.mostEntities[0], late = soaked.mostEntities[1];
    EXPECT_LE(late, early + (early - atStart) / 4 + 60) << soaked.attempts << " attempts";
    std::printf("%s: %d steps in %d attempts, at most %zu then %zu entities (%zu at the start)\n",
                GetParam().c_str(), soaked.steps, soaked.attempts, early, late, atStart);
}

// Every level source in the repository, the title and victory levels among them.
std::vector<std::string> everyLevel() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(SORRELMOOR_SOURCE_DIR "/level-src"))
        if (entry.path().extension() == ".txt")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Levels, SoakTest, ::testing::ValuesIn(everyLevel()));

} // namespace
