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

int threadCount() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/task"))
        count += entry.is_directory() ? 1 : 0;
    return count;
}

// In a fresh process, as a headless tool runs it: the other tests here start the add-on.
TEST(ModulePlayerHeadless, WithoutTheAddOnEveryModuleIsSilence) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(al_play_module("media/dreamland.xm", 0, true) == nullptr ? 0 : 1),
                ::testing::ExitedWithCode(0), "");
}

// Stopping with nothing playing, or twice, does nothing; a null player is silence.
TEST_F(ModulePlayerTest, AMissingModuleIsSilenceAndStoppingIsAlwaysSafe) {
    al_stop_module();
    AL_DUH_PLAYER* player = al_play_module("media/no-such-module.xm", 0, true);
    EXPECT_EQ(player, nullptr);
    EXPECT_EQ(al_default_duh, nullptr);
    al_duh_set_volume(player, 0.25f);
    EXPECT_EQ(al_duh_get_volume(player), 0.0f);
    EXPECT_EQ(al_duh_get_position(player), -1);
    al_pause_duh(player);
    al_resume_duh(player);
    al_stop_duh(player);
    ASSERT_NE(al_play_module("media/dreamland.xm", 0, true), nullptr);
    al_stop_module();
    al_stop_module();
    EXPECT_EQ(al_default_duh, nullptr);
    EXPECT_EQ(al_default_duh_player, nullptr);
}

// Music switched on after the victory tune played with the music off: the second module replaces
// the first, render thread and all, and starts from its beginning.
TEST_F(ModulePlayerTest, APlayingModuleAdvancesAtItsVolumeAndANewOneReplacesIt) {
    int before = threadCount();
    AL_DUH_PLAYER* first = al_play_module("media/unreal_superhero.xm", 0, false);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(al_duh_get_volume(first), 1.0f);
    long start = al_duh_get_position(first);
    al_rest(0.4);
    EXPECT_GT(al_duh_get_position(first), start) << "the render thread fills fragments";
    int playing = threadCount();
    AL_DUH_PLAYER* second = al_play_module("media/dreamland.xm", 0, true);
    ASSERT_NE(second, nullptr);
    al_duh_set_volume(second, 0.25f);
    EXPECT_EQ(al_duh_get_volume(second), 0.25f);
    EXPECT_EQ(al_default_duh_player, second);
    EXPECT_EQ(threadCount(), playing);
    EXPECT_LT(al_duh_get_position(second), 65536 / 2) << "less than half a second in";
    al_stop_module();
    EXPECT_EQ(threadCount(), before);
}

// Paused, no fragment is asked for, a new pattern keeps the pause, and a stop is noticed at once.
TEST_F(ModulePlayerTest, APausedPlayerStaysPausedAndStopsPromptly) {
    AL_DUH_PLAYER* player = al_play_module("media/unreal_superhero.xm", 0, false);
    ASSERT_NE(player, nullptr);
    al_pause_module();
    EXPECT_EQ(player->flags & 1, 0);
    al_rest(0.3);
    long paused = al_duh_get_position(player);
    al_rest(0.3);
    EXPECT_EQ(al_duh_get_position(player), paused);
    ASSERT_TRUE(al_set_module_pattern(1));
    EXPECT_EQ(al_default_duh_player->flags & 1, 0);
    auto before = std::chrono::steady_clock::now();
    al_stop_module();
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count(), 1.0);
    ASSERT_NE(al_play_module("media/dreamland.xm", 0, true), nullptr);
    al_pause_module();
    al_resume_module();
    EXPECT_EQ(al_default_duh_player->flags & 1, 1);
}

} // namespace
