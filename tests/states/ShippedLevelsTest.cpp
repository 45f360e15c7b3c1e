#include "core/AtomicFile.h"
#include "entities/Avatar.h"
#include "input/InputScript.h"
#include "progress/Config.h"
#include "states/ScriptedPlay.h"
#include "states/Startup.h"
#include "support/AllegroFixture.h"

#include <allegro5/allegro.h>

#include <cctype>

#include <filesystem>
#include <map>

namespace {

namespace fs = std::filesystem;

// The numbered level sources in the repository, in order.
std::vector<int> numberedLevels() {
    std::vector<int> numbers;
    for (const auto& entry : fs::directory_iterator(SORRELMOOR_SOURCE_DIR "/level-src")) {
        std::string stem = entry.path().stem().string();
        if (entry.path().extension() == ".txt" && !stem.empty() && std::isdigit(static_cast<unsigned char>(stem[0])))
            numbers.push_back(std::stoi(stem));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::string solutionPath(int level) {
    return std::string(SORRELMOOR_SOURCE_DIR) + "/level-src/solutions/" + std::to_string(level) + ".script";
}

bool readSolution(int level, InputScript& script, std::string& error) {
    return script.load(solutionPath(level), error);
}

// The shortest stretch for which a direction key is held in one go, over the whole script.
int shortestHold(const InputScript& script) {
    std::map<int, int> running;
    int shortest = 1 << 30;
    auto endRun = [&](int key) {
        if (running[key] > 0)
            shortest = std::min(shortest, running[key]);
        running[key] = 0;
    };
    for (const InputScript::Line& line : script.lines())
        for (int key : {ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_UP, ALLEGRO_KEY_DOWN}) {
            bool held = std::find(line.held.begin(), line.held.end(), key) != line.held.end();
            if (held)
                running[key] += line.frames;
            else
                endRun(key);
        }
    for (int key : {ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_UP, ALLEGRO_KEY_DOWN})
        endRun(key);
    return shortest;
}

struct ShippedLevelTest : AllegroTest, ::testing::WithParamInterface<int> {};

// Each level's solution wins it with every piece of loose garbage, under the target time but
// with some slack but not much, with keys a person can press.
TEST_P(ShippedLevelTest, ItsSolutionEarnsBothCrownsAsAPersonCouldPlayIt) {
    int level = GetParam();
    InputScript script;
    std::string error;
    ASSERT_TRUE(readSolution(level, script, error)) << error;
    EXPECT_GE(shortestHold(script), 3) << "a direction key held for fewer than 3 steps";
    std::string file = "levels/" + std::to_string(level) + ".lv";
    ScriptedPlay play(file.c_str(), script);
    ASSERT_EQ(play.session.world.list(Tags::AVAT).size(), 1u);
    EXPECT_GE(play.session.world.list(Tags::CONT).size(), 1u);
    ScriptedPlay::Outcome outcome = play.play();
    ASSERT_EQ(outcome.status, Avatar::Status::WON) << outcome.reason << " after " << outcome.steps << " steps";
    EXPECT_GE(outcome.garbageTotal, 1);
    EXPECT_EQ(outcome.garbage, outcome.garbageTotal);
    double target = Config::timeAttackTime(level - 1);
    EXPECT_LE(outcome.elapsed, 0.9 * target) << "the target should leave a player some slack";
    EXPECT_GE(outcome.elapsed, 0.6 * target) << "the target should be a challenge";
}

INSTANTIATE_TEST_SUITE_P(Levels, ShippedLevelTest, ::testing::ValuesIn(numberedLevels()));

TEST(ShippedLevels, NumberedFromOneWithoutAGapBesideTheTitleAndVictoryLevels) {
    std::vector<int> numbers = numberedLevels();
    ASSERT_FALSE(numbers.empty());
    EXPECT_EQ(numbers.back(), static_cast<int>(numbers.size()));
    EXPECT_EQ(Startup::countLevels(), static_cast<int>(numbers.size()));
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(AtomicFile::read("levels/title.lv", bytes));
    EXPECT_TRUE(AtomicFile::read("levels/winner.lv", bytes));
}

struct TitleLevelTest : AllegroTest {};

// The menu's keys must not steer anything behind it.
TEST_F(TitleLevelTest, HasNobodyWhoListensToKeysButThingsGoOn) {
    ScriptedPlay title("levels/title.lv", InputScript());
    EXPECT_EQ(title.session.avatar(), nullptr);
    EXPECT_FALSE(title.session.world.list(Tags::BADD).empty());
    EXPECT_FALSE(title.session.world.list(Tags::LOOS).empty());
}

} // namespace
