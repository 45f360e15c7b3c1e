#include "states/PlayState.h"
#include "assets/Resources.h"
#include "entities/PopUp.h"
#include "progress/Config.h"
#include "states/HeadsUp.h"
#include "support/Files.h"
#include "support/StateDriver.h"
#include "world/Game.h"

namespace {

const int P = ALLEGRO_KEY_P, H = ALLEGRO_KEY_H, R = ALLEGRO_KEY_R, ESC = ALLEGRO_KEY_ESCAPE;
const int SPACE = ALLEGRO_KEY_SPACE, TITLE = PlayState::TITLE_OR_TEST, VICTORY = PlayState::VICTORY;

struct PlayStateTest : StateTest {
    // Row 24 over a floor; a container wanting no bags completes the level at once.
    std::string level(const std::string& row24 = "..........@", const std::string& objects = "") {
        std::vector<std::string> rows(30);
        rows[24] = row24;
        rows[25] = std::string(40, '0');
        return levelFile(rows, objects);
    }
    std::string completing() { return level("..........@", "container 20 24 0\n"); }
    static std::string lines(PlayState& play, std::initializer_list<size_t> which) {
        std::string text;
        for (size_t i : which)
            text += play.popUp->lines.at(i).label + "|" + play.popUp->lines.at(i).value + ";";
        return text;
    }
    // Pixels of the top 20 rows that the heads-up line changes; it is switched off after.
    int headsUpPixels(PlayState& play) {
        ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
        play.render(nullptr);
        ALLEGRO_BITMAP* shown = al_clone_bitmap(canvas);
        PlayState::sHeadsUpShown = false;
        play.render(nullptr);
        int found = differing(canvas, shown, 0, 0, 800, 20);
        al_destroy_bitmap(shown);
        return found;
    }
};

// Level 1's target is 15 s, level 2's 21 s; the silver crown needs less than the target.
TEST_F(PlayStateTest, ACompletionIsSummarisedOnceAndRecordedOnlyForANumberedLevel) {
    struct Row {
        int level;
        bool editorTest;
        const char *loose, *times;  // the summary's elapsed and target times, then its crowns
        double elapsed;
        int points;
    } rows[] = {{0, false, "", "14.75s 15.00s GS", 14.75, 3}, {0, false, "", "15.00s 15.00s G", 15, 2},
                {1, false, "*", "1.00s 21.00s ", 1, 1},       {TITLE, false, "", "1.00s  G", 1, 0},
                {TITLE, true, "", "1.00s  G", 1, 0},          {VICTORY, false, "", "1.00s  G", 1, 0}};
    for (const Row& row : rows) {
        Config::get().levels = {LevelInfo(0), LevelInfo(1), LevelInfo(2)};
        std::string file = level(std::string("..........@.......") + row.loose, "container 30 24 0\n");
        PlayState play(row.level, file.c_str());
        play.editorTest = row.editorTest;
        play.session.game->elapsedTime = row.elapsed - 0.25;
        frame(play, {}, 0.25);
        ASSERT_NE(play.popUp, nullptr) << row.times;
        const std::vector<PopUp::Line>& shown = play.popUp->lines;  // an earned crown's line is lit
        EXPECT_EQ(shown.at(3).value + " " + shown.at(4).value + (shown.at(10).value == " " ? " G" : " ") +
                      (shown.at(11).value == " " ? "S" : ""),
                  row.times);
        EXPECT_EQ(lines(play, {0, 2, 5, 8}),
                  "You have completed the level!|;Loose garbage collected:|0%;Jumps performed:|0;Throws:|0;");
        EXPECT_EQ(lines(play, {13}), row.editorTest ? "SPACE, R, ESC - back to the editor|;"
                                                    : "SPACE - next level, R - retry|ESC - back to menu;");
        EXPECT_EQ(Config::get().unlockPoints(), row.points) << row.times;
        EXPECT_EQ(fileBytes(progressFile).empty(), row.level < 0) << row.times;
        std::remove(progressFile.c_str());
        for (int i = 0; i < 30; ++i)
            frame(play);
        EXPECT_TRUE(fileBytes(progressFile).empty()) << "recorded once";
    }
}

TEST_F(PlayStateTest, DeathShowsTheReasonAndTheDeathCountAndSpaceRetries) {
    PlayState play(1, level("..........@^").c_str());
    for (int i = 0; i < 40 && !play.popUp; ++i)
        frame(play, {ALLEGRO_KEY_RIGHT});
    ASSERT_NE(play.popUp, nullptr);
    EXPECT_EQ(lines(play, {0, 2, 5}),
              "You ate some spiky death.|;Total deaths so far:|1;SPACE, R - retry|ESC - back to menu;");
    frame(play, {SPACE});
    EXPECT_EQ(std::make_pair(play.done, play.result), std::make_pair(1, int(PlayState::RETRY)));
}

// While paused only Escape and R act, and nothing moves: neither the time, the baddie nor the clouds.
TEST_F(PlayStateTest, KeysDecideTheResultInTheirOrderAndAPauseFreezesTheLevel) {
    struct Row {
        bool completed, paused;
        std::initializer_list<int> keys;
        int done, result;
    } rows[] = {{false, false, {SPACE}, 0, 0},
                {false, false, {ESC}, 1, PlayState::MENU},
                {false, false, {ESC, R}, 1, PlayState::RETRY},
                {true, false, {R, SPACE}, 1, PlayState::NEXT},
                {false, true, {ESC}, 1, PlayState::MENU},
                {false, true, {ESC, R}, 1, PlayState::RETRY},
                {false, true, {SPACE, ALLEGRO_KEY_ENTER, ALLEGRO_KEY_RIGHT}, 0, 0}};
    for (const Row& row : rows) {
        PlayState play(0, (row.completed ? completing() : level("....b.....@")).c_str());
        auto places = [&] {
            double sum = play.session.game->elapsedTime;
            for (Entity* entity : play.session.world.list(Tags::ENTT))
                sum += entity->x() * 1000 + entity->y();
            return sum;
        };
        for (int key : {0, row.paused ? P : 0, 0})  // 0: none
            frame(play, {key});
        double before = places();
        frame(play, row.keys);
        std::vector<int> ended = {play.done, play.result, play.paused};
        EXPECT_EQ(ended, std::vector<int>({row.done, row.result, row.paused})) << "row " << &row - rows;
        EXPECT_EQ(places() == before, row.paused) << "row " << &row - rows;
    }
}

// The title drives its level without running it. H, kept from level to level, is heard in a numbered
// level whether decided or not; the line shows only in a numbered level still being played.
TEST_F(PlayStateTest, PAndALostFocusPauseOnlyALevelThatRunsUndecidedAndHOnlyANumberedOne) {
    AppState<int> title;
    ALLEGRO_EVENT focusLost{ALLEGRO_EVENT_DISPLAY_SWITCH_OUT};
    for (bool running : {true, false})
        for (bool decided : {false, true})
            for (int input : {P, H, 0}) {  // 0: no key, but the focus lost twice
                PlayState play(running ? 0 : TITLE, (decided ? completing() : level()).c_str());
                PlayState::sHeadsUpShown = true;
                frame(play, {}, 0.017, running ? nullptr : &title);
                frame(play, {input}, 0.017, running ? nullptr : &title);
                for (int i = 0; i < 2 && !input; ++i)
                    play.handleEvent(&focusLost);
                bool playing = running && !decided, hidden = running && input == H;
                EXPECT_EQ(play.paused, playing && input != H) << running << decided << input;
                EXPECT_EQ(PlayState::sHeadsUpShown, !hidden) << running << decided << input;
                EXPECT_EQ(headsUpPixels(play) > 100, playing && !hidden) << running << decided << input;
            }
}

TEST_F(PlayStateTest, TheZoomReachesFourOnItsHundredAndTwelfthUpdateTowardsTheAvatar) {
    PlayState play(0, completing().c_str());
    int updates = 0;
    for (; play.zoom < 4.0 && updates < 200; ++updates)
        frame(play, {}, updates % 2 ? 0.001 : 0.05);  // counted in updates, not seconds
    EXPECT_EQ(updates, 112);
    // zoom, avatar, window
    double windows[][7] = {{4.0, 400, 300, 310, 205, 510, 355},
                           {4.0, 780, 0, 600, 0, 800, 150},
                           {4.0, 0, 590, 0, 450, 200, 600},
                           {2.5, 0, 580, 45, 310, 365, 550}};
    for (const auto& w : windows) {
        Rect r = PlayState::zoomWindow(w[0], Vec(w[1], w[2]));
        EXPECT_EQ(std::vector<double>({r.x1, r.y1, r.x2, r.y2}), std::vector<double>(w + 3, w + 7)) << w[0];
    }
}

// The silver crown is in reach only while the time is below the target: at it, the time turns grey.
TEST_F(PlayStateTest, TheHeadsUpLineGivesTheFiguresAndGreysTheTimeOnceItReachesTheTarget) {
    ALLEGRO_FONT* font;
    Resources::load(font, "media/font.ttf");
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(90, 90, 90));
    auto white = [](int r, int g, int b) { return r == 255 && g == 255 && b == 255; };
    auto grey = [](int r, int g, int b) { return r == 150 && g == 150 && b == 150; };
    for (double elapsed : {14.99, 15.0}) {
        HeadsUp::Line line = HeadsUp::compose({elapsed, 15.0, 2, 5, 14});
        EXPECT_EQ(line.time, elapsed < 15 ? "Time: 14.99s / 15.00s" : "Time: 15.00s / 15.00s");
        EXPECT_EQ(line.garbage + ", " + line.bags, "Loose garbage: 2/5, Bags to deliver: 14");
        al_clear_to_color(al_map_rgb(90, 90, 90));
        HeadsUp::draw(line, font);
        EXPECT_EQ(count(canvas, 0, 0, 200, 20, white) > 5, elapsed < 15) << elapsed;
        EXPECT_EQ(count(canvas, 0, 0, 200, 20, grey) > 5, elapsed >= 15) << elapsed;
    }
}

}  // namespace
