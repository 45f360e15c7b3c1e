#include "assets/Theme.h"
#include "music/a5play.h"
#include "progress/Config.h"
#include "states/GuiButton.h"
#include "states/GuiText.h"
#include "states/PlayState.h"
#include "states/TitleState.h"
#include "support/StateDriver.h"

namespace {

struct TitleStateTest : StateTest {
    void SetUp() override {
        StateTest::SetUp();
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

TEST_F(TitleStateTest, LevelButtonsFillRowsOfFiveUnderTheirHeading) {
    Config::get().initialize(7);
    TitleState title;
    ASSERT_EQ(title.levelButtons.size(), 7u);
    Rect sixth = title.levelButtons[5]->rectangle;
    EXPECT_EQ(sixth.x1, 55);
    EXPECT_EQ(sixth.y1, 380);
    EXPECT_EQ(sixth.x2, 85);
    Rect fifth = title.levelButtons[4]->rectangle;
    EXPECT_EQ(fifth.x1, 215);
    EXPECT_EQ(title.levelButtons[6]->label, "7");
    EXPECT_EQ(title.victoryButton->world, nullptr);  // nothing completed yet
    frame(title);
    EXPECT_EQ(title.unlockLabel->text, "Unlock points: 0/21");
}

TEST_F(TitleStateTest, TheVictoryButtonIsOfferedOnlyWhenEveryLevelIsCompleted) {
    Config::get().levels[0].completed = Config::get().levels[1].completed = true;
    {
        TitleState title;
        EXPECT_EQ(title.victoryButton->world, nullptr);
    }
    Config::get().levels[2].completed = true;
    TitleState title;
    EXPECT_EQ(title.victoryButton->world, &title.world);
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

TEST_F(TitleStateTest, QuitAndEscapeEndTheMenu) {
    {
        TitleState title;
        frame(title);
        EXPECT_EQ(title.done, 0);
        click(title, title.quitButton);
        EXPECT_EQ(title.done, 1);
        EXPECT_EQ(title.result, 0);
    }
    TitleState title;
    frame(title);
    frame(title, {ALLEGRO_KEY_ESCAPE});
    EXPECT_EQ(title.done, 1);
}

TEST_F(TitleStateTest, TheTitleLevelRunsBehindTheMenuAndIgnoresItsKeys) {
    TitleState title;
    PlayState& background = *title.background;
    double before = 0;
    for (Entity* entity : background.session.world.list(Tags::DYNA))
        before += entity->x();
    for (int i = 0; i < 10; ++i)
        frame(title);
    frame(title, {ALLEGRO_KEY_R});
    for (int i = 0; i < 10; ++i)
        frame(title);
    double after = 0;
    for (Entity* entity : background.session.world.list(Tags::DYNA))
        after += entity->x();
    EXPECT_NE(before, after);  // clouds and baddies have moved
    EXPECT_EQ(title.done, 0);
}

} // namespace
