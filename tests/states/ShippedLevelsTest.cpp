#include "core/AtomicFile.h"
#include "entities/Avatar.h"
#include "input/InputScript.h"
#include "progress/Config.h"
#include "states/ScriptedPlay.h"
#include "states/Startup.h"
#include "support/AllegroFixture.h"
#include "support/Files.h"

namespace {

struct ShippedLevelTest : AllegroTest, ::testing::WithParamInterface<int> {};

// Each level's solution wins it with every piece of loose garbage, in between 60 and 90 percent of
// the target time: some slack for a player, but not much.
TEST_P(ShippedLevelTest, ItsSolutionEarnsBothCrownsWithTheTargetTimeAChallenge) {
    std::string level = std::to_string(GetParam()), error;
    InputScript script;
    ASSERT_TRUE(script.load(SORRELMOOR_SOURCE_DIR "/level-src/solutions/" + level + ".script", error))
        << error;
    ScriptedPlay::Outcome outcome = ScriptedPlay(("levels/" + level + ".lv").c_str(), script).play();
    ASSERT_EQ(outcome.status, Avatar::Status::WON) << outcome.reason << " at step " << outcome.steps;
    EXPECT_EQ(outcome.garbage, outcome.garbageTotal);
    EXPECT_NEAR(outcome.elapsed / Config::timeAttackTime(GetParam() - 1), 0.75, 0.15);
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

}  // namespace
