#include "states/TitleState.h"
#include "assets/Theme.h"
#include "entities/Avatar.h"
#include "input/Controls.h"
#include "input/SyntheticInput.h"
#include "music/a5play.h"
#include "progress/Config.h"
#include "states/GuiButton.h"
#include "states/GuiText.h"
#include "states/PlayState.h"
#include "support/StateDriver.h"

#include <vector>

namespace {

// Inside the levels the title runs, whose loops the test cannot step, it wins at once and holds
// Space and Right, so closing the summary; after a long while Escape, so no level runs for ever. A
// primary switch made after the shared ones is sampled last in each turn: it writes the keys the
// running level sees in its next turn.
struct LevelPlayer : Switch {
    int turns = 0;
    LevelPlayer() : Switch(true) {}
    bool on() override { return false; }
    void update() override {
        if (PlayState* play = dynamic_cast<PlayState*>(AppStateBase::sCurrent)) {
            play->session.avatar()->status = Avatar::Status::WON;
            SyntheticInput::clear(play->keyboard);
            int leave = ++turns < 300 ? ALLEGRO_KEY_SPACE : ALLEGRO_KEY_ESCAPE;
            SyntheticInput::setKey(play->keyboard, leave, true);
            SyntheticInput::setKey(play->keyboard, ALLEGRO_KEY_RIGHT, true);
        }
    }
};

struct TitleStateTest : StateTest {
    void click(TitleState& title, GuiButton* button) {
        button->clicked = true;
        frame(title);
    }
};

// Seven records, a seventh kept from a larger set of levels: six level files. Where the buttons
// stand is the focus tests' to show.
TEST_F(TitleStateTest, AButtonForEachLevelFileTheFirstThreeOpenAndTheVictoryOnceEveryRecordIsComplete) {
    Config::get().initialize(7);
    Config::get().levelFiles = 6;
    for (int completed = 1; completed <= 7; ++completed) {
        Config::get().levels[completed - 1].completed = true;
        TitleState title;
        frame(title);
        std::string open;
        for (GuiButton* button : title.levelButtons)
            open += button->enabled ? "o" : "-";
        EXPECT_EQ(open, "ooo---");
        EXPECT_EQ(title.victoryButton->world, completed == 7 ? &title.world : nullptr);
        EXPECT_EQ(title.unlockLabel->text, "Unlock points: " + std::to_string(completed) + "/21");
    }
}

// 9 points: Sunset (6) is open, Mist (12) is not. The music switch stops the title tune and starts it
// again, quietly.
TEST_F(TitleStateTest, ThemeClicksComeBackRoundShowingLockedThemesWithoutApplyingThemAndTheMusicSwitches) {
    for (LevelInfo& record : Config::get().levels)
        record.completed = record.goldenCrown = record.silverCrown = true;
    TitleState title;
    std::string shown;
    for (int i = 0; i < 6; ++i) {
        click(title, title.themeButton);
        shown += title.themeButton->label + ": " + Theme::current->name() + ", ";
    }
    EXPECT_EQ(shown, "Sunset: Sunset, Locked (3 more): Sunset, Locked (9 more): Sunset, "
                     "Locked (15 more): Sunset, Locked (21 more): Sunset, Sky: Sky, ");
    click(title, title.musicButton);
    EXPECT_EQ(title.musicButton->label + (al_default_duh_player ? ", playing" : ""), "No");
    click(title, title.musicButton);
    ASSERT_EQ(title.musicButton->label + (al_default_duh_player ? ", playing" : ""), "Yes, playing");
    EXPECT_FLOAT_EQ(al_duh_get_volume(al_default_duh_player), 0.25f);
}

// The only level's summary, closed with Space, hands the title a Space already down.
TEST_F(TitleStateTest, EnterPlaysTheFocusedLevelAndKeysHeldFromItPressNothingOnTheMenu) {
    Controls::get();  // before the level player, so as to be sampled before it
    Config::get().levels.erase(Config::get().levels.begin() + 1, Config::get().levels.end());
    Config::get().levelFiles = 1;
    LevelPlayer player;
    TitleState title;
    frame(title);
    frame(title, {ALLEGRO_KEY_ENTER});
    ASSERT_TRUE(Config::get().levels[0].completed);
    int turnsPlayed = player.turns;
    for (int i = 0; i < 5; ++i)
        frame(title, {ALLEGRO_KEY_SPACE, ALLEGRO_KEY_RIGHT});
    EXPECT_EQ(player.turns, turnsPlayed);
    click(title, title.quitButton);
    EXPECT_EQ(title.done, 1);
}

}  // namespace
