#include "support/GameProcess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

long fileSize(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : -1;
}

TEST(GameStart, WindowCloseButtonEndsTheGameCleanlyAndSavesProgress) {
    GameProcess game;
    game.start({});
    EXPECT_EQ(closeGameWindow(game, 15.0), 0) << game.output();
    long levels = 0;
    while (fileSize(game.folder() + "/levels/" + std::to_string(levels + 1) + ".lv") >= 0)
        ++levels;
    EXPECT_EQ(fileSize(game.folder() + "/sorrelmoor.dat"), 5 + 12 * levels);
}

TEST(GameStart, EditorNeverWritesProgress) {
    GameProcess game;
    game.start({"-editor"});
    EXPECT_EQ(closeGameWindow(game, 15.0), 0) << game.output();
    EXPECT_EQ(fileSize(game.folder() + "/sorrelmoor.dat"), -1);
}

TEST(GameStart, NoDisplayIsFatal) {
    GameProcess game;
    game.start({}, {"DISPLAY="});
    EXPECT_EQ(game.wait(20.0), 1);
    EXPECT_NE(game.output().find("FATAL: Unable to create any sort of display window..\nAllegro error: "),
              std::string::npos)
        << game.output();
}

TEST(GameStart, WithoutASoundDeviceTheGameSaysSoOnceAndPlaysInSilence) {
    GameProcess game;
    // Without the silent devices the test runner provides, this machine has no sound output.
    game.start({}, {"HOME=" + game.folder(), "ALSOFT_DRIVERS=alsa"});
    ASSERT_NE(game.window(15), 0u) << game.output();
    EXPECT_EQ(closeGameWindow(game, 15.0), 0) << game.output();
    EXPECT_EQ(game.output(), "No sound device: playing without sound.\n");
}

} // namespace
