#include "world/Game.h"

#include <gtest/gtest.h>

namespace {

TEST(Game, NewRecordStartsAtZeroAndIsPublished) {
    ASSERT_EQ(Game::sGame, nullptr);
    {
        Game game;
        EXPECT_EQ(Game::sGame, &game);
        EXPECT_NE(game.level, nullptr);
        EXPECT_EQ(game.looseGarbage + game.elapsedTime + game.jumps + game.doubleJumps + game.throws +
                      game.pixelsTraversed,
                  0.0);
    }
    EXPECT_EQ(Game::sGame, nullptr);
}

TEST(Game, InnerAttemptEndingGivesTheBackgroundLevelItsRecordBack) {
    Game background;
    Level* backgroundLevel = background.level;
    {
        Game inner;
        EXPECT_EQ(Game::sGame, &inner);
        EXPECT_NE(inner.level, backgroundLevel);
    }
    EXPECT_EQ(Game::sGame, &background);
    EXPECT_EQ(Game::sGame->level, backgroundLevel);
}

} // namespace
