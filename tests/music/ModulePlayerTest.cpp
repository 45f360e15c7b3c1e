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
    auto tasks = std::filesystem::directory_iterator("/proc/self/task");
    return int(std::distance(begin(tasks), end(tasks)));
}

// In a fresh process, as a headless tool runs it: the other tests here start the add-on.
TEST(ModulePlayerHeadless, WithoutTheAddOnEveryModuleIsSilence) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(al_play_module("media/dreamland.xm", 0, true) == nullptr ? 0 : 1),
                ::testing::ExitedWithCode(0), "");
}

// A null player is silence, and stopping with nothing playing, or twice, does nothing.
TEST_F(ModulePlayerTest, AMissingModuleIsSilenceAndStoppingIsAlwaysSafe) {
    al_stop_module();
    AL_DUH_PLAYER* player = al_play_module("media/no-such-module.xm", 0, true);
    EXPECT_EQ(player, nullptr);
    al_duh_set_volume(player, 0.25f);
    EXPECT_EQ(al_duh_get_volume(player), 0.0f);
    EXPECT_EQ(al_duh_get_position(player), -1);
    ASSERT_NE(al_play_module("media/dreamland.xm", 0, true), nullptr);
    al_stop_module();
    al_stop_module();
    EXPECT_EQ(al_default_duh_player, nullptr);
}

// Music switched on after the victory tune played with the music off: the second module replaces the
// first, render thread and all; a stop ends it at once.
TEST_F(ModulePlayerTest, ANewModuleReplacesThePlayingOneRenderThreadAndAll) {
    int before = threadCount();
    AL_DUH_PLAYER* first = al_play_module("media/unreal_superhero.xm", 0, false);
    ASSERT_NE(first, nullptr);
    al_rest(0.3);
    EXPECT_GT(al_duh_get_position(first), 0) << "the render thread fills fragments";
    int playing = threadCount();
    ASSERT_NE(al_play_module("media/dreamland.xm", 0, true), nullptr);
    EXPECT_EQ(threadCount(), playing);
    auto stopping = std::chrono::steady_clock::now();
    al_stop_module();
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - stopping).count(), 1.0);
    EXPECT_EQ(threadCount(), before);
}

}  // namespace
