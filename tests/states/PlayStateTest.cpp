#include "assets/Theme.h"
#include "entities/Avatar.h"
#include "entities/PopUp.h"
#include "input/SyntheticInput.h"
#include "progress/Config.h"
#include "states/GuiText.h"
#include "states/PlayState.h"
#include "support/StateDriver.h"
#include "world/Game.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

const std::string FLOOR(40, '0');

struct PlayStateTest : StateTest {
    void SetUp() override {
        StateTest::SetUp();
        PlayState::sHeadsUpShown = true;
    }
    // An avatar on the floor; a container needing no bags completes the level at once.
    std::string level(const std::string& row24, const std::string& objects) {
        std::vector<std::string> rows(30);
        rows[24] = row24;
        rows[25] = FLOOR;
        return levelFile(rows, objects);
    }
    std::string completing(const std::string& row24 = "..........@") { return level(row24, "container 20 24 0\n"); }
    // A frame of a level that the title screen drives behind itself without running it.
    void frameBehind(AppState<int>& title, PlayState& play, std::initializer_list<int> keys = {}) {
        SyntheticInput::clear(title.keyboard);
        for (int key : keys)
            SyntheticInput::setKey(title.keyboard, key, true);
        AppStateBase::sCurrent = &title;
        Switch::updatePrimaries();
        play.update(0.017);
    }
    static void loseFocus(PlayState& play) {
        ALLEGRO_EVENT event{};
        event.type = ALLEGRO_EVENT_DISPLAY_SWITCH_OUT;
        play.handleEvent(&event);
    }
    static std::string value(PlayState& play, size_t line) { return play.popUp->lines.at(line).value; }
    static std::string label(PlayState& play, size_t line) { return play.popUp->lines.at(line).label; }
};

// Counts its updates: the sky moves only through them.
struct CountingSky : Theme {
    int updates = 0;
    ALLEGRO_COLOR gradientUp() override { return al_map_rgb(90, 140, 220); }
    ALLEGRO_COLOR gradientDown() override { return al_map_rgb(200, 220, 250); }
    ALLEGRO_COLOR cloudColor() override { return al_map_rgb(255, 255, 255); }
    void update(double) override { ++updates; }
    const char* name() override { return "Counting"; }
};

std::vector<Vec> places(PlayState& play) {
    std::vector<Vec> found;
    for (Entity* entity : play.session.world.list(Tags::ENTT))
        found.push_back(entity->pos());
    return found;
}

bool samePlaces(const std::vector<Vec>& a, const std::vector<Vec>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Vec& p, const Vec& q) { return p.x == q.x && p.y == q.y; });
}

bool fileExists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file)
        std::fclose(file);
    return file != nullptr;
}

TEST_F(PlayStateTest, ACompletionIsRecordedOnceAndSummarisedWithBothCrowns) {
    PlayState play(0, completing().c_str());
    frame(play);
    ASSERT_NE(play.popUp, nullptr);
    EXPECT_TRUE(play.popUp->visible);
    LevelInfo& record = Config::get().levels[0];
    EXPECT_TRUE(record.completed && record.goldenCrown && record.silverCrown);
    EXPECT_DOUBLE_EQ(record.bestTime, 0.017);
    ASSERT_EQ(play.popUp->lines.size(), 14u);
    EXPECT_EQ(label(play, 0), "You have completed the level!");
    EXPECT_EQ(value(play, 2), "0%");  // no loose garbage at all still earns the golden crown
    EXPECT_EQ(value(play, 3), "0.02s");
    EXPECT_EQ(value(play, 4), "15.00s");
    EXPECT_EQ(value(play, 10), " ");
    EXPECT_EQ(label(play, 11), "And all that under the target time, well done! Silver crown awarded!");
    EXPECT_EQ(value(play, 13), "ESC - back to menu");
    std::remove(progressFile.c_str());
    PopUp* panel = play.popUp;
    for (int i = 0; i < 30; ++i)
        frame(play);
    EXPECT_EQ(play.popUp, panel);
    EXPECT_FALSE(fileExists(progressFile));  // not written a second time
    EXPECT_EQ(play.done, 0);
}

TEST_F(PlayStateTest, MissingLooseGarbageCostsBothCrownLines) {
    PlayState play(0, level("..........@.......*", "container 30 24 0\n").c_str());
    frame(play);
    ASSERT_NE(play.popUp, nullptr);
    EXPECT_EQ(value(play, 2), "0%");
    EXPECT_EQ(label(play, 10), "Try to get all the loose garbage on a level to earn a golden crown.");
    EXPECT_EQ(value(play, 10), "");
    EXPECT_EQ(label(play, 11), "If you do this under the target time, you will get a silver crown as well.");
    EXPECT_FALSE(Config::get().levels[0].goldenCrown);
    EXPECT_TRUE(Config::get().levels[0].completed);
}

TEST_F(PlayStateTest, ACompletionOutsideTheNumberedLevelsRecordsNothingAndHasNoTarget) {
    for (int number : {PlayState::TITLE_OR_TEST, PlayState::VICTORY}) {
        PlayState play(number, completing().c_str());
        frame(play);
        ASSERT_NE(play.popUp, nullptr);
        EXPECT_EQ(value(play, 4), "");
        EXPECT_EQ(value(play, 11), "");
    }
    EXPECT_EQ(Config::get().completions(), 0);
    EXPECT_FALSE(fileExists(progressFile));
}

TEST_F(PlayStateTest, DeathShowsTheReasonAndTheDeathCount) {
    PlayState play(1, level("..........@^", "").c_str());
    for (int i = 0; i < 40 && !play.popUp; ++i)
        frame(play, {ALLEGRO_KEY_RIGHT});
    ASSERT_NE(play.popUp, nullptr);
    EXPECT_EQ(label(play, 0), "You ate some spiky death.");
    EXPECT_EQ(value(play, 2), std::to_string(Config::get().deaths));
    EXPECT_GE(Config::get().deaths, 1);
    EXPECT_EQ(label(play, 5), "SPACE, R - retry");
    frame(play, {ALLEGRO_KEY_SPACE});
    EXPECT_EQ(play.done, 1);
    EXPECT_EQ(play.result, PlayState::RETRY);
}

TEST_F(PlayStateTest, KeysDecideTheResultInTheirOrder) {
    std::string still = level("..........@", "");
    {
        PlayState play(0, still.c_str());
        frame(play, {ALLEGRO_KEY_SPACE});
        EXPECT_EQ(play.done, 0);  // nothing is decided yet
        frame(play, {ALLEGRO_KEY_ESCAPE, ALLEGRO_KEY_R});
        EXPECT_EQ(play.done, 1);
        EXPECT_EQ(play.result, PlayState::RETRY);
    }
    {
        PlayState play(0, still.c_str());
        frame(play);  // the keys of the last frame are let go first
        frame(play, {ALLEGRO_KEY_ESCAPE});
        EXPECT_EQ(play.result, PlayState::MENU);
        EXPECT_EQ(play.done, 1);
    }
    PlayState play(0, completing().c_str());
    frame(play);
    frame(play, {ALLEGRO_KEY_R, ALLEGRO_KEY_SPACE});
    EXPECT_EQ(play.result, PlayState::NEXT);
}

TEST_F(PlayStateTest, WhilePausedNoTimePassesAndNothingMoves) {
    CountingSky sky;
    Theme* chosen = Theme::current;
    Theme::current = &sky;
    PlayState play(0, level("....b.....@...t.*", "container 30 24 1\n").c_str());
    for (int i = 0; i < 10; ++i)
        frame(play, {ALLEGRO_KEY_RIGHT});
    frame(play, {ALLEGRO_KEY_P});
    ASSERT_TRUE(play.paused);
    Game* game = play.session.game;
    double elapsed = game->elapsedTime;
    std::vector<Vec> before = places(play);
    int skyUpdates = sky.updates;
    for (int i = 0; i < 20; ++i) {
        frame(play, {ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_Z, ALLEGRO_KEY_X, ALLEGRO_KEY_SPACE}, 0.05);
        frame(play, {}, 0.05);
    }
    EXPECT_EQ(game->elapsedTime, elapsed);
    EXPECT_EQ(sky.updates, skyUpdates);
    EXPECT_EQ(game->jumps, 0);
    EXPECT_TRUE(samePlaces(before, places(play)));
    EXPECT_EQ(play.done, 0);
    frame(play, {ALLEGRO_KEY_P});
    frame(play);
    EXPECT_FALSE(play.paused);
    EXPECT_GT(game->elapsedTime, elapsed);
    EXPECT_GT(sky.updates, skyUpdates);
    for (int i = 0; i < 10; ++i)
        frame(play);
    EXPECT_FALSE(samePlaces(before, places(play)));  // so the still places above are the pause's doing
    Theme::current = chosen;
}

TEST_F(PlayStateTest, PAndALostFocusPauseOnlyALevelThatRunsUndecided) {
    struct Row {
        const char* what;
        bool running;
        bool decided;
        bool pauses;
    };
    const Row rows[] = {
        {"a running level", true, false, true},
        {"the title's background level", false, false, false},
        {"a level whose summary is up", true, true, false},
    };
    AppState<int> title;
    for (const Row& row : rows)
        for (bool byKey : {true, false}) {
            PlayState play(row.running ? 0 : PlayState::TITLE_OR_TEST,
                           row.decided ? completing().c_str() : level("..........@", "").c_str());
            frame(play);
            AppStateBase::sCurrent = row.running ? static_cast<AppStateBase*>(&play) : &title;
            if (!byKey)
                loseFocus(play);
            else if (row.running)
                frame(play, {ALLEGRO_KEY_P});
            else
                frameBehind(title, play, {ALLEGRO_KEY_P});
            EXPECT_EQ(play.paused, row.pauses) << row.what << (byKey ? ", P" : ", focus lost");
        }
}

TEST_F(PlayStateTest, PResumesAndALostFocusKeepsThePause) {
    PlayState play(0, level("..........@", "").c_str());
    frame(play, {ALLEGRO_KEY_P});
    loseFocus(play);
    EXPECT_TRUE(play.paused);
    frame(play);
    frame(play, {ALLEGRO_KEY_P});
    EXPECT_FALSE(play.paused);
    ALLEGRO_EVENT close{};
    close.type = ALLEGRO_EVENT_DISPLAY_CLOSE;
    play.handleEvent(&close);
    EXPECT_EQ(play.done, 2);
    EXPECT_EQ(play.result, PlayState::MENU);
}

TEST_F(PlayStateTest, WhilePausedOnlyEscapeAndRDecide) {
    struct Row {
        std::initializer_list<int> keys;
        int done;
        int result;
    };
    const Row rows[] = {
        {{ALLEGRO_KEY_ESCAPE}, 1, PlayState::MENU},
        {{ALLEGRO_KEY_R}, 1, PlayState::RETRY},
        {{ALLEGRO_KEY_ESCAPE, ALLEGRO_KEY_R}, 1, PlayState::RETRY},
        {{ALLEGRO_KEY_SPACE, ALLEGRO_KEY_ENTER, ALLEGRO_KEY_Z}, 0, PlayState::MENU},
    };
    std::string still = level("..........@", "");
    for (const Row& row : rows) {
        PlayState play(0, still.c_str());
        frame(play, {ALLEGRO_KEY_P});
        frame(play);
        frame(play, row.keys);
        EXPECT_EQ(play.done, row.done);
        EXPECT_EQ(play.result, row.result);
        EXPECT_TRUE(play.paused);
    }
}

TEST_F(PlayStateTest, ThePauseDimsTheFrameAndSaysSo) {
    PlayState play(0, level("..........@", "").c_str());
    frame(play);
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    play.render(nullptr);
    ALLEGRO_BITMAP* playing = al_clone_bitmap(canvas);
    frame(play, {ALLEGRO_KEY_P});
    play.render(nullptr);
    unsigned char r, g, b, pr, pg, pb;
    al_unmap_rgb(al_get_pixel(playing, 700, 400), &r, &g, &b);
    al_unmap_rgb(al_get_pixel(canvas, 700, 400), &pr, &pg, &pb);
    EXPECT_NEAR(pb, b * 105 / 255, 2);
    EXPECT_NEAR(pr, r * 105 / 255, 2);
    int yellow = 0;
    for (int y = 270; y < 300; ++y)
        for (int x = 370; x < 430; ++x) {
            al_unmap_rgb(al_get_pixel(canvas, x, y), &pr, &pg, &pb);
            yellow += pr > 240 && pg > 240 && pb < 20;
        }
    EXPECT_GT(yellow, 10);  // "Paused"
    al_destroy_bitmap(playing);
}

TEST_F(PlayStateTest, TheHeadsUpChoiceOutlivesTheLevelAndIsOnlyMadeInANumberedOne) {
    std::string still = level("..........@", "");
    {
        PlayState play(0, still.c_str());
        frame(play, {ALLEGRO_KEY_H});
    }
    EXPECT_FALSE(PlayState::sHeadsUpShown);
    AppState<int> title;
    PlayState background(PlayState::TITLE_OR_TEST, still.c_str());
    frameBehind(title, background);
    frameBehind(title, background, {ALLEGRO_KEY_H});
    EXPECT_FALSE(PlayState::sHeadsUpShown);
    PlayState next(1, still.c_str());
    frame(next);
    frame(next, {ALLEGRO_KEY_H});
    EXPECT_TRUE(PlayState::sHeadsUpShown);
}

TEST_F(PlayStateTest, TheZoomReachesFourOnItsHundredAndTwelfthUpdate) {
    PlayState play(0, completing().c_str());
    int updates = 0;
    while (play.zoom < 4.0 && updates < 200) {
        frame(play, {}, updates % 2 ? 0.001 : 0.05);  // counted in updates, not seconds
        ++updates;
    }
    EXPECT_EQ(updates, 112);
    EXPECT_EQ(play.zoom, 4.0);
}

TEST_F(PlayStateTest, TheZoomWindowMovesFromTheCentreToTheAvatarAndStaysOnScreen) {
    Rect whole = PlayState::zoomWindow(1.0, Vec(100, 100));
    EXPECT_EQ(whole.x1, 0);
    EXPECT_EQ(whole.y1, 0);
    EXPECT_EQ(whole.x2, 800);
    EXPECT_EQ(whole.y2, 600);
    Rect middle = PlayState::zoomWindow(4.0, Vec(400, 300));
    EXPECT_DOUBLE_EQ(middle.x1, 310);
    EXPECT_DOUBLE_EQ(middle.y1, 205);
    EXPECT_DOUBLE_EQ(middle.x2, 510);
    EXPECT_DOUBLE_EQ(middle.y2, 355);
    Rect corner = PlayState::zoomWindow(4.0, Vec(780, 0));
    EXPECT_DOUBLE_EQ(corner.x2, 800);
    EXPECT_DOUBLE_EQ(corner.x1, 600);
    EXPECT_DOUBLE_EQ(corner.y1, 0);
    EXPECT_DOUBLE_EQ(corner.y2, 150);
    Rect halfway = PlayState::zoomWindow(2.5, Vec(0, 580));
    EXPECT_DOUBLE_EQ(halfway.x2 - halfway.x1, 320);
    EXPECT_GE(halfway.x1, 0);
    EXPECT_LE(halfway.y2, 600);
}

// Where see-through sprites left the frame's alpha below one, the magnified picture must still
// cover what was there before it, not let the unmagnified frame show through.
TEST_F(PlayStateTest, TheZoomShowsOnlyTheMagnifiedPicture) {
    PlayState play(0, completing().c_str());
    frame(play);
    play.popUp->visible = false;
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    play.zoom = 1.0;
    play.render(nullptr);
    ALLEGRO_BITMAP* unzoomed = al_clone_bitmap(canvas);
    play.zoom = 4.0;
    play.render(nullptr);
    Rect window = PlayState::zoomWindow(4.0, play.session.avatar()->pos());
    ASSERT_DOUBLE_EQ(window.x1, 110);  // whole pixels, so that each screen pixel has one source
    ASSERT_DOUBLE_EQ(window.y1, 385);
    int differing = 0;
    for (int y = 2; y < 600; y += 8)
        for (int x = 2; x < 800; x += 8) {
            unsigned char r1, g1, b1, r2, g2, b2;
            al_unmap_rgb(al_get_pixel(canvas, x, y), &r1, &g1, &b1);
            al_unmap_rgb(al_get_pixel(unzoomed, 110 + x / 4, 385 + y / 4), &r2, &g2, &b2);
            differing += std::abs(r1 - r2) > 1 || std::abs(g1 - g2) > 1 || std::abs(b1 - b2) > 1;
        }
    EXPECT_EQ(differing, 0);
    al_destroy_bitmap(unzoomed);
}

TEST_F(PlayStateTest, TheVictoryLevelTakesTheFirstThemeAndSaysWhatIsLeft) {
    Theme::current = Theme::themes[3];
    PlayState play(PlayState::VICTORY, level("", "").c_str());
    EXPECT_EQ(Theme::current, Theme::themes[0]);
    std::vector<std::string> texts;
    for (Entity* entity : play.session.world.list(Tags::RNDR))
        if (GuiText* text = dynamic_cast<GuiText*>(entity))
            texts.push_back(text->text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "WELL DONE!");
    EXPECT_EQ(texts[2], "Now try to earn all the unlock points on all the levels!");
    frame(play);
    EXPECT_EQ(play.popUp, nullptr);  // no avatar: it never ends by itself
}

TEST_F(PlayStateTest, ItsGameRecordIsTheRunningOneWhileItLives) {
    Game* outer = Game::sGame;
    {
        PlayState play(0, completing().c_str());
        EXPECT_EQ(Game::sGame, play.session.game);
    }
    EXPECT_EQ(Game::sGame, outer);
}

} // namespace
