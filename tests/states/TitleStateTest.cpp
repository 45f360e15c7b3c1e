#include "assets/Theme.h"
#include "entities/Avatar.h"
#include "input/Controls.h"
#include "input/SyntheticInput.h"
#include "music/a5play.h"
#include "progress/Config.h"
#include "states/GuiButton.h"
#include "states/GuiText.h"
#include "states/PlayState.h"
#include "states/TitleState.h"
#include "support/StateDriver.h"

#include <functional>
#include <vector>

namespace {

// The player inside the levels the title runs, whose loops the test cannot step. A primary
// switch made after the shared ones is sampled last in each turn: it writes the keys the running
// level sees in its next turn. After a long while it holds Escape, so no level runs for ever.
struct LevelPlayer : Switch {
    std::function<std::vector<int>(PlayState&)> keys;
    std::vector<int> levels;  // the level of each turn played
    LevelPlayer() : Switch(true) {}
    bool on() override { return false; }
    void update() override {
        PlayState* play = dynamic_cast<PlayState*>(AppStateBase::sCurrent);
        if (!play)
            return;
        levels.push_back(play->levelNumber);
        SyntheticInput::clear(play->keyboard);
        for (int key : levels.size() < 300 ? keys(*play) : std::vector<int>{ALLEGRO_KEY_ESCAPE})
            SyntheticInput::setKey(play->keyboard, key, true);
    }
};

struct TitleStateTest : StateTest {
    void SetUp() override {
        StateTest::SetUp();
        Controls::get();  // before any level player, so as to be sampled before it
        Theme::current = Theme::themes[0];
    }
    void click(TitleState& title, GuiButton* button) {
        button->clicked = true;
        frame(title);
    }
    static void earnPoints(int levels) {
        for (int i = 0; i < levels; ++i) {
            LevelInfo& record = Config::get().levels[i];
            record.completed = record.goldenCrown = record.silverCrown = true;
        }
    }
};

TEST_F(TitleStateTest, LevelButtonsFillRowsOfFiveAndTheVictoryIsOfferedOnceEveryLevelIsCompleted) {
    Config::get().initialize(7);
    for (int completed = 6; completed <= 7; ++completed) {
        for (int i = 0; i < completed; ++i)
            Config::get().levels[i].completed = true;
        TitleState title;
        ASSERT_EQ(title.levelButtons.size(), 7u);
        Rect fifth = title.levelButtons[4]->rectangle, sixth = title.levelButtons[5]->rectangle;
        EXPECT_EQ(std::vector<double>({fifth.x1, fifth.y1, sixth.x1, sixth.y1, sixth.x2, sixth.y2}),
                  std::vector<double>({215, 330, 55, 380, 85, 410}));
        EXPECT_EQ(title.levelButtons[6]->label, "7");
        EXPECT_EQ(title.victoryButton->world, completed == 7 ? &title.world : nullptr);
        frame(title);
        EXPECT_EQ(title.unlockLabel->text, "Unlock points: " + std::to_string(completed) + "/21");
    }
}

// Records kept from a larger set of levels stay in the file but offer no level to play.
TEST_F(TitleStateTest, RecordsBeyondTheLevelFilesGiveNoButtonsAndAreWrittenBack) {
    Config::get().initialize(5);
    Config::get().levels[4].completed = true;
    Config::get().save();
    Config::get().levels.clear();
    Config::get().initialize(3);
    {
        TitleState title;
        EXPECT_EQ(title.levelButtons.size(), 3u);
    }
    Config::get().save();
    Config::get().levels.clear();
    Config::get().initialize(5);
    EXPECT_TRUE(Config::get().levels.at(4).completed);
}

TEST_F(TitleStateTest, SixThemeClicksComeBackRoundShowingLockedThemesWithoutApplyingThem) {
    earnPoints(3);  // 9 points: Sunset (6) is open, Mist (12) is not
    TitleState title;
    click(title, title.themeButton);
    EXPECT_EQ(title.themeButton->label, "Sunset");
    EXPECT_EQ(Theme::current, Theme::themes[1]);
    click(title, title.themeButton);
    EXPECT_EQ(title.themeButton->label, "Locked (3 more)");
    EXPECT_EQ(Theme::current, Theme::themes[1]);
    for (int i = 0; i < 3; ++i)
        click(title, title.themeButton);
    EXPECT_EQ(title.themeButton->label, "Locked (21 more)");
    click(title, title.themeButton);
    EXPECT_EQ(title.themeButton->label, "Sky");
    EXPECT_EQ(Theme::current, Theme::themes[0]);
    EXPECT_FALSE(title.themeButton->clicked);
}

TEST_F(TitleStateTest, TheMusicSwitchStopsAndRestartsTheTitleTuneQuietly) {
    al_duh_set_volume(al_play_module("media/dreamland.xm", 0, true), 0.25f);
    TitleState title;
    click(title, title.musicButton);
    EXPECT_EQ(title.musicButton->label, "No");
    EXPECT_EQ(al_default_duh_player, nullptr);
    click(title, title.musicButton);
    EXPECT_EQ(title.musicButton->label, "Yes");
    ASSERT_NE(al_default_duh_player, nullptr);
    EXPECT_FLOAT_EQ(al_duh_get_volume(al_default_duh_player), 0.25f);
    EXPECT_LT(al_duh_get_position(al_default_duh_player), 65536 * 2);  // from the beginning
}

TEST_F(TitleStateTest, TheTitleLevelRunsBehindTheMenuIgnoringItsKeysAndQuitEndsTheMenu) {
    TitleState title;
    auto whereThingsAre = [&] {
        double sum = 0;
        for (Entity* entity : title.background->session.world.list(Tags::DYNA))
            sum += entity->x();
        return sum;
    };
    double before = whereThingsAre();
    for (int i = 0; i < 10; ++i)
        frame(title, {ALLEGRO_KEY_R});
    EXPECT_NE(whereThingsAre(), before);  // clouds and baddies have moved
    EXPECT_EQ(title.done, 0);
    click(title, title.quitButton);
    EXPECT_EQ(title.done, 1);
    EXPECT_EQ(title.result, 0);
}

TEST_F(TitleStateTest, KeysAloneStartLevelOneAndComeBackToTheMenu) {
    LevelPlayer player;
    player.keys = [](PlayState&) { return std::vector<int>{ALLEGRO_KEY_ESCAPE}; };
    TitleState title;
    frame(title);
    ASSERT_EQ(title.focus.focused(), title.levelButtons[0]);
    frame(title, {ALLEGRO_KEY_RIGHT});
    frame(title, {ALLEGRO_KEY_LEFT});
    frame(title, {ALLEGRO_KEY_Z});
    EXPECT_EQ(player.levels, std::vector<int>({0, 0}));  // a turn without keys, then Escape
    frame(title, {ALLEGRO_KEY_ESCAPE});  // still held from the level: not a new press
    EXPECT_EQ(title.done, 0);
    EXPECT_EQ(title.focus.focused(), title.levelButtons[0]);
    frame(title);
    frame(title, {ALLEGRO_KEY_ESCAPE});
    EXPECT_EQ(title.done, 1);
}

// The last level's summary, closed with Space, hands the title a Space already down.
TEST_F(TitleStateTest, KeysHeldFromALevelPressNothingOnTheMenu) {
    std::vector<LevelInfo>& records = Config::get().levels;
    records.erase(records.begin() + 1, records.end());
    Config::get().initialize(1);
    LevelPlayer player;
    player.keys = [](PlayState& play) {
        play.session.avatar()->status = Avatar::Status::WON;
        return std::vector<int>{ALLEGRO_KEY_SPACE, ALLEGRO_KEY_RIGHT};
    };
    TitleState title;
    frame(title);
    frame(title, {ALLEGRO_KEY_ENTER});
    ASSERT_TRUE(Config::get().levels[0].completed);
    size_t turnsPlayed = player.levels.size();
    for (int i = 0; i < 5; ++i)
        frame(title, {ALLEGRO_KEY_SPACE, ALLEGRO_KEY_RIGHT});
    EXPECT_EQ(player.levels.size(), turnsPlayed);
    EXPECT_EQ(title.focus.focused(), title.levelButtons[0]);
    EXPECT_EQ(title.victoryButton->world, &title.world);
    EXPECT_FALSE(title.victoryButton->clicked);
}

} // namespace
