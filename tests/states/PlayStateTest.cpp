#include "assets/Resources.h"
#include "assets/Theme.h"
#include "core/Game.h"
#include "entities/Avatar.h"
#include "entities/PopUp.h"
#include "progress/Config.h"
#include "states/GuiText.h"
#include "states/HeadsUp.h"
#include "states/PlayState.h"
#include "support/Files.h"
#include "support/StateDriver.h"

#include <cmath>

namespace {

struct PlayStateTest : StateTest {
    void SetUp() override {
        StateTest::SetUp();
        PlayState::sHeadsUpShown = true;
    }
    // The avatar on the floor; a container wanting no bags completes the level at once.
    std::string level(const std::string& row24 = "..........@", const std::string& objects = "") {
        std::vector<std::string> rows(30);
        rows[24] = row24;
        rows[25] = std::string(40, '0');
        return levelFile(rows, objects);
    }
    std::string completing() { return level("..........@", "container 20 24 0\n"); }
    static std::string line(PlayState& play, size_t i) {
        return play.popUp->lines.at(i).label + "|" + play.popUp->lines.at(i).value;
    }
    // Where the screen differs with and without the heads-up line.
    int headsUpPixels(PlayState& play, int x1, int y1, int x2, int y2) {
        ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
        PlayState::sHeadsUpShown = false;
        play.render(nullptr);
        ALLEGRO_BITMAP* without = al_clone_bitmap(canvas);
        PlayState::sHeadsUpShown = true;
        play.render(nullptr);
        int found = differing(canvas, without, x1, y1, x2, y2);
        al_destroy_bitmap(without);
        return found;
    }
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

double whereEverythingIs(PlayState& play) {
    double sum = 0;
    for (Entity* entity : play.session.world.list(Tags::ENTT))
        sum += entity->x() * 1000 + entity->y();
    return sum;
}

TEST_F(PlayStateTest, ACompletionIsSummarisedOnceAndRecordedOnlyForANumberedLevel) {
    struct Row {
        const char* name;
        int level;
        bool editorTest;
        const char *loose, *target;
        bool golden, silver;
        int points;
    } rows[] = {{"both crowns", 0, false, "", "15.00s", true, true, 3},
                {"loose garbage left", 1, false, "*", "21.00s", false, false, 1},
                {"the title or a test", PlayState::TITLE_OR_TEST, false, "", "", true, false, 0},
                {"the editor's test", PlayState::TITLE_OR_TEST, true, "", "", true, false, 0},
                {"the victory", PlayState::VICTORY, false, "", "", true, false, 0}};
    for (const Row& row : rows) {
        Config::get().levels.clear();
        Config::get().initialize(3);
        std::remove(progressFile.c_str());
        PlayState play(row.level, level(std::string("..........@.......") + row.loose, "container 30 24 0\n").c_str());
        play.editorTest = row.editorTest;
        frame(play);
        ASSERT_NE(play.popUp, nullptr) << row.name;
        EXPECT_TRUE(play.popUp->visible);
        ASSERT_EQ(play.popUp->lines.size(), 14u);
        EXPECT_EQ(line(play, 0) + line(play, 2) + line(play, 3),
                  "You have completed the level!|Loose garbage collected:|0%Elapsed time:|0.02s");
        EXPECT_EQ(line(play, 4), std::string("Target time:|") + row.target) << row.name;
        EXPECT_EQ(line(play, 5) + line(play, 6) + line(play, 7) + line(play, 8),
                  "Jumps performed:|0Double jumps:|0Pixels traversed:|0Throws:|0");
        EXPECT_EQ(line(play, 10), row.golden ? "You have gathered all the loose garbage! A golden crown for you!| "
                                             : "Try to get all the loose garbage on a level to earn a golden crown.|");
        EXPECT_EQ(line(play, 11), row.silver
                                      ? "And all that under the target time, well done! Silver crown awarded!| "
                                      : "If you do this under the target time, you will get a silver crown as well.|");
        EXPECT_EQ(line(play, 13), row.editorTest ? "SPACE, R, ESC - back to the editor|"
                                                 : "SPACE - next level, R - retry|ESC - back to menu");
        EXPECT_EQ(Config::get().unlockPoints(), row.points) << row.name;
        EXPECT_EQ(Config::get().levels[0].bestTime, row.points == 3 ? 0.017 : LevelInfo::NO_TIME);
        EXPECT_EQ(fileBytes(progressFile).empty(), row.level < 0) << row.name;
        std::remove(progressFile.c_str());
        PopUp* panel = play.popUp;
        for (int i = 0; i < 30; ++i)
            frame(play);
        EXPECT_EQ(play.popUp, panel);
        EXPECT_TRUE(fileBytes(progressFile).empty()) << "recorded once";
        EXPECT_EQ(play.done, 0);
    }
}

TEST_F(PlayStateTest, DeathShowsTheReasonAndTheDeathCountAndSpaceRetries) {
    PlayState play(1, level("..........@^").c_str());
    for (int i = 0; i < 40 && !play.popUp; ++i)
        frame(play, {ALLEGRO_KEY_RIGHT});
    ASSERT_NE(play.popUp, nullptr);
    EXPECT_EQ(line(play, 0), "You ate some spiky death.|");
    EXPECT_EQ(Config::get().deaths, 1);
    EXPECT_EQ(line(play, 2), "Total deaths so far:|1");
    EXPECT_EQ(line(play, 5), "SPACE, R - retry|ESC - back to menu");
    frame(play, {ALLEGRO_KEY_SPACE});
    EXPECT_EQ(play.done, 1);
    EXPECT_EQ(play.result, PlayState::RETRY);
}

TEST_F(PlayStateTest, KeysDecideTheResultInTheirOrderAndWhilePausedOnlyEscapeAndRDo) {
    struct Row {
        const char* name;
        bool completed, paused;
        std::initializer_list<int> keys;
        int done, result;
    };
    const Row rows[] = {
        {"Space while playing", false, false, {ALLEGRO_KEY_SPACE}, 0, PlayState::MENU},
        {"Escape", false, false, {ALLEGRO_KEY_ESCAPE}, 1, PlayState::MENU},
        {"Escape and R", false, false, {ALLEGRO_KEY_ESCAPE, ALLEGRO_KEY_R}, 1, PlayState::RETRY},
        {"R and Space once completed", true, false, {ALLEGRO_KEY_R, ALLEGRO_KEY_SPACE}, 1, PlayState::NEXT},
        {"Escape while paused", false, true, {ALLEGRO_KEY_ESCAPE}, 1, PlayState::MENU},
        {"R while paused", false, true, {ALLEGRO_KEY_R}, 1, PlayState::RETRY},
        {"Escape and R while paused", false, true, {ALLEGRO_KEY_ESCAPE, ALLEGRO_KEY_R}, 1, PlayState::RETRY},
        {"others while paused", false, true, {ALLEGRO_KEY_SPACE, ALLEGRO_KEY_ENTER, ALLEGRO_KEY_Z}, 0, 0},
    };
    for (const Row& row : rows) {
        PlayState play(0, (row.completed ? completing() : level()).c_str());
        frame(play);
        if (row.paused) {
            frame(play, {ALLEGRO_KEY_P});
            frame(play);
        }
        frame(play, row.keys);
        EXPECT_EQ(play.done, row.done) << row.name;
        EXPECT_EQ(play.result, row.result) << row.name;
        EXPECT_EQ(play.paused, row.paused) << row.name;
    }
}

TEST_F(PlayStateTest, WhilePausedNoTimePassesAndNothingMoves) {
    CountingSky sky;
    Theme* chosen = Theme::current;
    Theme::current = &sky;
    PlayState play(0, level("....b.....@...t.*", "container 30 24 1\n").c_str());
    for (int i = 0; i < 10; ++i)
        frame(play, {ALLEGRO_KEY_RIGHT});
    frame(play, {ALLEGRO_KEY_P});
    Game* game = play.session.game;
    double elapsed = game->elapsedTime, places = whereEverythingIs(play);
    int skyUpdates = sky.updates;
    for (int i = 0; i < 20; ++i) {
        frame(play, {ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_Z, ALLEGRO_KEY_X, ALLEGRO_KEY_SPACE}, 0.05);
        frame(play, {}, 0.05);
    }
    EXPECT_EQ(game->elapsedTime, elapsed);
    EXPECT_EQ(sky.updates, skyUpdates);
    EXPECT_EQ(whereEverythingIs(play), places);
    frame(play, {ALLEGRO_KEY_P});
    for (int i = 0; i < 10; ++i)
        frame(play);
    EXPECT_GT(sky.updates, skyUpdates);
    EXPECT_NE(whereEverythingIs(play), places);  // so the still places above are the pause's doing
    Theme::current = chosen;
}

// H, kept from level to level, is heard in a numbered level whether decided or not.
TEST_F(PlayStateTest, PAndALostFocusPauseOnlyALevelThatRunsUndecidedAndHOnlyANumberedOne) {
    struct Row {
        const char* name;
        bool running, decided, pauses;
    } rows[] = {{"a running level", true, false, true},
                {"the title's background level", false, false, false},
                {"a level whose summary is up", true, true, false}};
    AppState<int> title;
    ALLEGRO_EVENT focusLost{};
    focusLost.type = ALLEGRO_EVENT_DISPLAY_SWITCH_OUT;
    for (const Row& row : rows)
        for (int input : {int(ALLEGRO_KEY_P), int(ALLEGRO_KEY_H), 0}) {  // 0: the focus lost
            PlayState play(row.running ? 0 : PlayState::TITLE_OR_TEST, (row.decided ? completing() : level()).c_str());
            PlayState::sHeadsUpShown = true;
            AppState<int>* current = row.running ? nullptr : &title;
            frame(play, {}, 0.017, current);
            if (input)
                frame(play, {input}, 0.017, current);
            else
                play.handleEvent(&focusLost);
            EXPECT_EQ(play.paused, row.pauses && input != ALLEGRO_KEY_H) << row.name << ", " << input;
            EXPECT_EQ(PlayState::sHeadsUpShown, !row.running || input != ALLEGRO_KEY_H) << row.name << ", " << input;
        }
    PlayState play(0, level().c_str());
    frame(play, {ALLEGRO_KEY_P});
    play.handleEvent(&focusLost);
    EXPECT_TRUE(play.paused) << "a lost focus keeps the pause";
}

TEST_F(PlayStateTest, ThePauseDimsTheFrameAndSaysSo) {
    PlayState play(0, level().c_str());
    frame(play);
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    play.render(nullptr);
    ALLEGRO_COLOR playing = al_get_pixel(canvas, 700, 400);
    frame(play, {ALLEGRO_KEY_P});
    play.render(nullptr);
    expectPixel(canvas, 700, 400, playing.r * 105, playing.g * 105, playing.b * 105, 2);
    EXPECT_GT(count(canvas, 370, 270, 430, 300, [](int r, int g, int b) { return r > 240 && g > 240 && b < 20; }),
              10);  // "Paused" in yellow
}

TEST_F(PlayStateTest, TheZoomReachesFourOnItsHundredAndTwelfthUpdateTowardsTheAvatar) {
    PlayState play(0, completing().c_str());
    int updates = 0;
    for (; play.zoom < 4.0 && updates < 200; ++updates)
        frame(play, {}, updates % 2 ? 0.001 : 0.05);  // counted in updates, not seconds
    EXPECT_EQ(updates, 112);
    EXPECT_EQ(play.zoom, 4.0);
    struct {
        double zoom, x, y, x1, y1, x2, y2;
    } windows[] = {{1.0, 100, 100, 0, 0, 800, 600}, {4.0, 400, 300, 310, 205, 510, 355},
                   {4.0, 780, 0, 600, 0, 800, 150},  {4.0, 0, 590, 0, 450, 200, 600},
                   {2.5, 0, 580, 45, 310, 365, 550}};
    for (const auto& w : windows) {
        Rect r = PlayState::zoomWindow(w.zoom, Vec(w.x, w.y));
        EXPECT_EQ(std::vector<double>({r.x1, r.y1, r.x2, r.y2}), std::vector<double>({w.x1, w.y1, w.x2, w.y2}))
            << w.zoom << " at " << w.x << "," << w.y;
    }
}

// Where see-through sprites left the frame's alpha below one, the magnified picture must still
// cover what was there before it, not let the unmagnified frame show through.
TEST_F(PlayStateTest, TheZoomShowsOnlyTheMagnifiedPicture) {
    PlayState play(0, completing().c_str());
    frame(play);
    play.popUp->visible = false;
    play.zoom = 1.0;
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    play.render(nullptr);
    ALLEGRO_BITMAP* unzoomed = al_clone_bitmap(canvas);
    play.zoom = 4.0;
    play.render(nullptr);
    Rect window = PlayState::zoomWindow(4.0, play.session.avatar()->pos());
    ASSERT_EQ(window.x1, 110);  // whole pixels, so that each screen pixel has one source
    ASSERT_EQ(window.y1, 385);
    for (int y = 2; y < 600; y += 8)
        for (int x = 2; x < 800; x += 8) {
            ALLEGRO_COLOR was = al_get_pixel(unzoomed, 110 + x / 4, 385 + y / 4);
            expectPixel(canvas, x, y, was.r * 255, was.g * 255, was.b * 255);
        }
    al_destroy_bitmap(unzoomed);
}

TEST_F(PlayStateTest, TheVictoryLevelTakesTheFirstThemeAndSaysWhatIsLeft) {
    Theme::current = Theme::themes[3];
    PlayState play(PlayState::VICTORY, level("").c_str());
    EXPECT_EQ(Theme::current, Theme::themes[0]);
    std::vector<std::string> texts;
    for (Entity* entity : play.session.world.list(Tags::RNDR))
        if (GuiText* text = dynamic_cast<GuiText*>(entity))
            texts.push_back(text->text);
    EXPECT_EQ(texts, std::vector<std::string>({"WELL DONE!", "You have completed the game!",
                                               "Now try to earn all the unlock points on all the levels!"}));
    frame(play);
    EXPECT_EQ(play.popUp, nullptr);  // no avatar: it never ends by itself
}

TEST_F(PlayStateTest, TheHeadsUpLineIsShadowedTextAlongTheTopWithTheTimeGreyFromTheTargetOn) {
    ALLEGRO_FONT* font;
    Resources::load(font, "media/font.ttf");
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(90, 90, 90));
    auto white = [](int r, int g, int b) { return r > 240 && g > 240 && b > 240; };
    auto grey = [](int r, int g, int b) { return std::abs(r - 150) + std::abs(g - 150) + std::abs(b - 150) < 9; };
    for (double elapsed : {14.99, 15.0}) {
        al_clear_to_color(al_map_rgb(90, 90, 90));
        HeadsUp::Line line = HeadsUp::compose({elapsed, 15.0, 2, 5, 14});
        EXPECT_EQ(line.time + "|" + line.garbage + "|" + line.bags,
                  std::string(elapsed < 15 ? "Time: 14.99s" : "Time: 15.00s") +
                      " / 15.00s|Loose garbage: 2/5|Bags to deliver: 14");
        HeadsUp::draw(line, font);
        EXPECT_EQ(count(canvas, 0, 0, 200, 20, white) > 5, elapsed < 15) << elapsed;
        if (elapsed >= 15) {
            EXPECT_GT(count(canvas, 0, 0, 200, 20, grey), 5);
        }
        EXPECT_GT(count(canvas, 300, 0, 500, 20, white), 5);  // the garbage in the middle
        EXPECT_GT(count(canvas, 650, 0, 800, 20, white), 5);  // the bags on the right
        EXPECT_GT(count(canvas, 0, 0, 800, 20, [](int r, int g, int b) { return r + g + b < 30; }), 20);  // shadow
        EXPECT_EQ(count(canvas, 0, 20, 800, 600, [](int r, int, int) { return r != 90; }), 0);
    }
}

// Loose garbage to the avatar's right and two containers still wanting bags.
TEST_F(PlayStateTest, TheHeadsUpLineShowsTheGameRecordsOnlyInANumberedLevelStillBeingPlayed) {
    PlayState play(0, level("..........@.*.....*", "container 25 24 2\ncontainer 30 24 1\ncontainer 35 24 0\n").c_str());
    Game* game = play.session.game;
    for (int i = 0; i < 60 && game->looseGarbage < 1; ++i)
        frame(play, {ALLEGRO_KEY_RIGHT});
    HeadsUp::Figures figures = HeadsUp::measure(play.session, 15.0);
    EXPECT_EQ(std::vector<double>({figures.elapsed, 1.0 * figures.garbageGot, 1.0 * figures.garbageTotal,
                                   1.0 * figures.bagsDue}),
              std::vector<double>({game->elapsedTime, 1, 2, 3}));
    EXPECT_GT(headsUpPixels(play, 0, 0, 800, 20), 100);
    EXPECT_EQ(headsUpPixels(play, 0, 20, 800, 600), 0);
    PlayState decided(0, completing().c_str()), title(PlayState::TITLE_OR_TEST, level().c_str()),
        victory(PlayState::VICTORY, level().c_str());
    for (PlayState* other : {&decided, &title, &victory}) {
        frame(*other);
        EXPECT_EQ(headsUpPixels(*other, 0, 0, 800, 20), 0) << other->levelNumber;
    }
}

} // namespace
