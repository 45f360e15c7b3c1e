#include "core/Startup.h"
#include "entities/Avatar.h"
#include "input/InputScript.h"
#include "progress/Config.h"
#include "states/ScriptedPlay.h"
#include "support/AllegroFixture.h"
#include "support/Files.h"

#include <allegro5/allegro.h>

#include <algorithm>

namespace {

// The shortest stretch for which a direction key is held in one go, over the whole script.
int shortestHold(const InputScript& script) {
    std::vector<InputScript::Line> lines = script.lines();
    lines.push_back({1, {}, {}});  // ends every stretch
    int shortest = 1 << 30;
    for (int key : {ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_UP, ALLEGRO_KEY_DOWN}) {
        int running = 0;
        for (const InputScript::Line& line : lines) {
            bool held = std::count(line.held.begin(), line.held.end(), key) > 0;
            shortest = !held && running > 0 ? std::min(shortest, running) : shortest;
            running = held ? running + line.frames : 0;
        }
    }
    return shortest;
}

struct ShippedLevelTest : AllegroTest, ::testing::WithParamInterface<int> {};

// Each level's solution wins it with every piece of loose garbage, under the target time with
// some slack but not much, with keys a person can press.
TEST_P(ShippedLevelTest, ItsSolutionEarnsBothCrownsAsAPersonCouldPlayIt) {
    std::string level = std::to_string(GetParam()), error;
    InputScript script;
    ASSERT_TRUE(script.load(SORRELMOOR_SOURCE_DIR "/level-src/solutions/" + level + ".script", error))
        << error;
    EXPECT_GE(shortestHold(script), 3) << "a direction key held for fewer than 3 steps";
    ScriptedPlay::Outcome outcome = ScriptedPlay(("levels/" + level + ".lv").c_str(), script).play();
    ASSERT_EQ(outcome.status, Avatar::Status::WON) << outcome.reason << " at step " << outcome.steps;
    EXPECT_GE(outcome.garbageTotal, 1);
    EXPECT_EQ(outcome.garbage, outcome.garbageTotal);
    double target = Config::timeAttackTime(GetParam() - 1);
    EXPECT_LE(outcome.elapsed, 0.9 * target) << "the target should leave a player some slack";
    EXPECT_GE(outcome.elapsed, 0.6 * target) << "the target should be a challenge";
}

INSTANTIATE_TEST_SUITE_P(Levels, ShippedLevelTest, ::testing::ValuesIn(numberedLevelSources()),
                         [](const auto& each) { return "Level" + std::to_string(each.param); });

using ShippedLevels = AllegroTest;

// The menu's keys must not steer anything on the title level behind it, but baddies go on there.
TEST_F(ShippedLevels, AreNumberedFromOneWithoutAGapBesideATitleLevelWithNobodyToSteer) {
    std::vector<int> numbers = numberedLevelSources();
    EXPECT_EQ(Startup::countLevels(), numbers.back());
    EXPECT_EQ(numbers.back(), static_cast<int>(numbers.size()));
    ScriptedPlay title("levels/title.lv", InputScript());
    EXPECT_EQ(title.session.avatar(), nullptr);
    EXPECT_FALSE(title.session.world.list(Tags::BADD).empty());
}

} // namespace
