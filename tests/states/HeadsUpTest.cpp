#include "progress/Config.h"
#include "states/HeadsUp.h"
#include "states/PlayState.h"
#include "support/StateDriver.h"
#include "world/Game.h"

#include <cstdlib>
#include <functional>

namespace {

const std::string FLOOR(40, '0');

struct HeadsUpTest : StateTest {
    void SetUp() override {
        StateTest::SetUp();
        PlayState::sHeadsUpShown = true;
    }
    // The avatar on the floor with loose garbage to its right and two containers still wanting bags.
    std::string level() {
        std::vector<std::string> rows(30);
        rows[24] = "..........@.*.....*";
        rows[25] = FLOOR;
        return levelFile(rows, "container 25 24 2\ncontainer 30 24 1\ncontainer 35 24 0\n");
    }
    // Draws the state's frame twice, with the line shown and hidden, and counts the screen's pixels that
    // differ and for which `test` holds in the first, inside the box.
    int differing(PlayState& play, int x1, int y1, int x2, int y2,
                  const std::function<bool(unsigned char r, unsigned char g, unsigned char b)>& test) {
        ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
        PlayState::sHeadsUpShown = true;
        play.render(nullptr);
        ALLEGRO_BITMAP* shown = al_clone_bitmap(canvas);
        PlayState::sHeadsUpShown = false;
        play.render(nullptr);
        PlayState::sHeadsUpShown = true;
        int found = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) {
                ALLEGRO_COLOR with = al_get_pixel(shown, x, y), without = al_get_pixel(canvas, x, y);
                unsigned char r, g, b, r2, g2, b2;
                al_unmap_rgb(with, &r, &g, &b);
                al_unmap_rgb(without, &r2, &g2, &b2);
                found += (r != r2 || g != g2 || b != b2) && test(r, g, b);
            }
        al_destroy_bitmap(shown);
        return found;
    }
};

bool any(unsigned char, unsigned char, unsigned char) {
    return true;
}

bool white(unsigned char r, unsigned char g, unsigned char b) {
    return r > 240 && g > 240 && b > 240;
}

bool black(unsigned char r, unsigned char g, unsigned char b) {
    return r < 20 && g < 20 && b < 20;
}

bool grey(unsigned char r, unsigned char g, unsigned char b) {
    return std::abs(r - 150) < 4 && std::abs(g - 150) < 4 && std::abs(b - 150) < 4;
}

TEST(HeadsUpCompose, ShowsEachFigureAndGreysTheTimeFromTheTargetOn) {
    struct Row {
        HeadsUp::Figures figures;
        const char* time;
        const char* garbage;
        const char* bags;
        bool silverInReach;
    };
    const Row rows[] = {
        {{3.411, 15.0, 2, 5, 3}, "Time: 3.41s / 15.00s", "Loose garbage: 2/5", "Bags to deliver: 3", true},
        {{14.99, 15.0, 0, 0, 0}, "Time: 14.99s / 15.00s", "Loose garbage: 0/0", "Bags to deliver: 0", true},
        {{15.0, 15.0, 5, 5, 1}, "Time: 15.00s / 15.00s", "Loose garbage: 5/5", "Bags to deliver: 1", false},
        {{130.25, 100.0, 1, 12, 14}, "Time: 130.25s / 100.00s", "Loose garbage: 1/12", "Bags to deliver: 14", false},
    };
    for (const Row& row : rows) {
        HeadsUp::Line line = HeadsUp::compose(row.figures);
        EXPECT_EQ(line.time, row.time);
        EXPECT_EQ(line.garbage, row.garbage);
        EXPECT_EQ(line.bags, row.bags);
        EXPECT_EQ(line.silverInReach, row.silverInReach) << row.time;
    }
}

TEST_F(HeadsUpTest, TheFiguresAreTheGameRecords) {
    PlayState play(0, level().c_str());
    Game* game = play.session.game;
    for (int i = 0; i < 60 && game->looseGarbage < 1; ++i)
        frame(play, {ALLEGRO_KEY_RIGHT});
    ASSERT_EQ(game->looseGarbage, 1.0);
    HeadsUp::Figures figures = HeadsUp::measure(play.session, Config::timeAttackTime(0));
    EXPECT_GT(figures.elapsed, 0.0);
    EXPECT_EQ(figures.elapsed, game->elapsedTime);
    EXPECT_EQ(figures.target, 15.0);
    EXPECT_EQ(figures.garbageGot, 1);
    EXPECT_EQ(figures.garbageTotal, 2);
    EXPECT_EQ(figures.bagsDue, 3);  // the satisfied container adds nothing
}

TEST_F(HeadsUpTest, TheLineIsShadowedTextAlongTheTopOnly) {
    PlayState play(0, level().c_str());
    frame(play);
    EXPECT_GT(differing(play, 0, 0, 800, 20, white), 20);
    EXPECT_GT(differing(play, 0, 0, 800, 20, black), 20);  // the shadow
    EXPECT_EQ(differing(play, 0, 20, 800, 600, any), 0);
    EXPECT_GT(differing(play, 0, 0, 200, 20, white), 5);  // the time, while the silver is in reach
    play.session.game->elapsedTime = 15.0;
    EXPECT_EQ(differing(play, 0, 0, 200, 20, white), 0);
    EXPECT_GT(differing(play, 0, 0, 200, 20, grey), 5);
}

TEST_F(HeadsUpTest, OnlyANumberedLevelStillBeingPlayedShowsIt) {
    struct Row {
        int level;
        bool decided;
        bool shown;
    };
    const Row rows[] = {
        {0, false, true},
        {0, true, false},
        {PlayState::TITLE_OR_TEST, false, false},
        {PlayState::VICTORY, false, false},
    };
    for (const Row& row : rows) {
        std::vector<std::string> map(30);
        map[24] = "..........@";
        map[25] = FLOOR;
        PlayState play(row.level, levelFile(map, row.decided ? "container 20 24 0\n" : "").c_str());
        frame(play);
        ASSERT_EQ(play.popUp != nullptr, row.decided);
        EXPECT_EQ(differing(play, 0, 0, 800, 20, any) > 0, row.shown) << row.level;
    }
}

} // namespace
