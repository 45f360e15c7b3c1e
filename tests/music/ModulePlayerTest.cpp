#include "music/a5play.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace {

struct ModulePlayerTest : ::testing::Test {
    static void SetUpTestSuite() {
        ASSERT_TRUE(al_init());
        ASSERT_TRUE(al_install_audio()) << "the test runner provides a silent sound device";
        al_reserve_samples(16);
        al_init_dumb_addon(1);
    }
    void TearDown() override { al_stop_module(); }
};

// In a fresh process, as a headless tool runs: the other tests here start the add-on.
TEST(ModulePlayerHeadless, WithoutTheAddOnEveryModuleIsSilence) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(al_play_module("media/dreamland.xm", 0, true) == nullptr ? 0 : 1),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(ModulePlayerTest, MissingModuleGivesSilenceAndNullIsHarmless) {
    AL_DUH_PLAYER* player = al_play_module("media/no-such-module.xm", 0, true);
    EXPECT_EQ(player, nullptr);
    EXPECT_EQ(al_default_duh, nullptr);
    al_duh_set_volume(player, 0.25f);
    EXPECT_EQ(al_duh_get_volume(player), 0.0f);
    EXPECT_EQ(al_duh_get_position(player), -1);
    al_pause_duh(player);
    al_resume_duh(player);
    al_stop_duh(player);
}

TEST_F(ModulePlayerTest, StoppingWithNothingLoadedOrTwiceDoesNothing) {
    al_stop_module();
    al_stop_module();
    ASSERT_NE(al_play_module("media/dreamland.xm", 0, true), nullptr);
    al_stop_module();
    al_stop_module();
    EXPECT_EQ(al_default_duh, nullptr);
    EXPECT_EQ(al_default_duh_player, nullptr);
}

int threadCount() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/task"))
        count += entry.is_directory() ? 1 : 0;
    return count;
}

// Music switched on after the victory tune played with the music off: the second module must
// replace the first, not play over it with a render thread nobody owns.
TEST_F(ModulePlayerTest, StartingAModuleStopsTheOnePlaying) {
    int before = threadCount();
    ASSERT_NE(al_play_module("media/unreal_superhero.xm", 0, false), nullptr);
    int playing = threadCount();
    AL_DUH_PLAYER* second = al_play_module("media/dreamland.xm", 0, true);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(al_default_duh_player, second);
    EXPECT_EQ(threadCount(), playing);
    al_stop_module();
    EXPECT_EQ(threadCount(), before);
}

TEST_F(ModulePlayerTest, PlayingModuleAdvancesAtItsVolume) {
    AL_DUH_PLAYER* player = al_play_module("media/dreamland.xm", 0, true);
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player, al_default_duh_player);
    EXPECT_EQ(al_duh_get_volume(player), 1.0f);
    al_duh_set_volume(player, 0.25f);
    EXPECT_EQ(al_duh_get_volume(player), 0.25f);
    long start = al_duh_get_position(player);
    al_rest(0.5);
    EXPECT_GT(al_duh_get_position(player), start) << "the render thread fills fragments";
}

TEST_F(ModulePlayerTest, TogglingMusicRestartsFromTheBeginning) {
    al_play_module("media/dreamland.xm", 0, true);
    al_rest(0.4);
    al_stop_module();
    AL_DUH_PLAYER* again = al_play_module("media/dreamland.xm", 0, true);
    al_duh_set_volume(again, 0.25f);
    ASSERT_NE(again, nullptr);
    EXPECT_LT(al_duh_get_position(again), 65536 / 2) << "less than half a second in";
    EXPECT_EQ(al_duh_get_volume(again), 0.25f);
}

TEST_F(ModulePlayerTest, PausedPlayerStopsPromptly) {
    AL_DUH_PLAYER* player = al_play_module("media/unreal_superhero.xm", 0, false);
    ASSERT_NE(player, nullptr);
    al_pause_module();
    EXPECT_EQ(player->flags & 1, 0);
    al_rest(0.3);
    long paused = al_duh_get_position(player);
    al_rest(0.3);
    EXPECT_EQ(al_duh_get_position(player), paused) << "no fragment is asked for while paused";
    auto before = std::chrono::steady_clock::now();
    al_stop_module();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
    EXPECT_LT(seconds, 1.0) << "the render thread must notice the stop without fragment events";
}

TEST_F(ModulePlayerTest, SettingThePatternKeepsThePause) {
    ASSERT_NE(al_play_module("media/dreamland.xm", 0, true), nullptr);
    al_pause_module();
    ASSERT_TRUE(al_set_module_pattern(1));
    EXPECT_NE(al_default_duh_player, nullptr);
    EXPECT_EQ(al_default_duh_player->flags & 1, 0);
    al_resume_module();
    EXPECT_EQ(al_default_duh_player->flags & 1, 1);
}

} // namespace
