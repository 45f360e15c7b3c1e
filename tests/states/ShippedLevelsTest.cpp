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
    int shortest = 1 << 30;
    for (int key : {ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_UP, ALLEGRO_KEY_DOWN}) {
        int running = 0;
        for (const InputScript::Line& line : script.lines()) {
            bool held = std::find(line.held.begin(), line.held.end(), key) != line.held.end();
            if (!held && running > 0)
                shortest = std::min(shortest, running);
            running = held ? running + line.frames : 0;
        }
        if (running > 0)
            shortest = std::min(shortest, running);
    }
    return shortest;
}

struct ShippedLevelTest : AllegroTest, ::testing::WithParamInterface<int> {};

// Each level's solution wins it with every piece of loose garbage, under the target time with
// some slack but not much, with keys a person can press.
TEST_P(ShippedLevelTest, ItsSolutionEarnsBothCrownsAsAPersonCouldPlayIt) {
    int level = GetParam();
    InputScript script;
    std::string error;
    std::string solution = SORRELMOOR_SOURCE_DIR "/level-src/solutions/" + std::to_string(level) + ".script";
    ASSERT_TRUE(script.load(solution, error)) << error;
    EXPECT_GE(shortestHold(script), 3) << "a direction key held for fewer than 3 steps";
    ScriptedPlay play(("levels/" + std::to_string(level) + ".lv").c_str(), script);
    ASSERT_EQ(play.session.world.list(Tags::AVAT).size(), 1u);
    ScriptedPlay::Outcome outcome = play.play();
    ASSERT_EQ(outcome.status, Avatar::Status::WON) << outcome.reason << " after " << outcome.steps << " steps";
    EXPECT_GE(outcome.garbageTotal, 1);
    EXPECT_EQ(outcome.garbage, outcome.garbageTotal);
    double target = Config::timeAttackTime(level - 1);
    EXPECT_LE(outcome.elapsed, 0.9 * target) << "the target should leave a player some slack";
    EXPECT_GE(outcome.elapsed, 0.6 * target) << "the target should be a challenge";
}

INSTANTIATE_TEST_SUITE_P(Levels, ShippedLevelTest, ::testing::ValuesIn(numberedLevelSources()),
                         [](const ::testing::TestParamInfo<int>& info) { return "Level" + std::to_string(info.param); });

using ShippedLevels = AllegroTest;

// The menu's keys must not steer anything on the title level behind it, but things go on there.
TEST_F(ShippedLevels, AreNumberedFromOneWithoutAGapBesideATitleLevelWithNobodyToSteer) {
    std::vector<int> numbers = numberedLevelSources();
    ASSERT_FALSE(numbers.empty());
    EXPECT_EQ(numbers.back(), static_cast<int>(numbers.size()));
    EXPECT_EQ(Startup::countLevels(), static_cast<int>(numbers.size()));
    EXPECT_FALSE(fileBytes("levels/winner.lv").empty());
    ScriptedPlay title("levels/title.lv", InputScript());
    EXPECT_EQ(title.session.avatar(), nullptr);
    EXPECT_FALSE(title.session.world.list(Tags::BADD).empty());
    EXPECT_FALSE(title.session.world.list(Tags::LOOS).empty());
}

} // namespace
