#include "core/Die.h"
#include "states/Startup.h"
#include "support/ChildProcess.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

bool firstIs(std::vector<std::string> args, const char* option) {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    return Startup::firstArgumentIs(static_cast<int>(argv.size()), argv.data(), option);
}

TEST(Startup, OptionsAreComparedWholeAndOnlyInFirstPlace) {
    EXPECT_TRUE(firstIs({"sorrelmoor", "-fs"}, "-fs"));
    EXPECT_FALSE(firstIs({"sorrelmoor", "-fsx"}, "-fs"));
    EXPECT_FALSE(firstIs({"sorrelmoor", "-FS"}, "-fs"));
    EXPECT_FALSE(firstIs({"sorrelmoor", "-f"}, "-fs"));
    EXPECT_FALSE(firstIs({"sorrelmoor", "x", "-fs"}, "-fs"));
    EXPECT_FALSE(firstIs({"sorrelmoor"}, "-fs"));
    EXPECT_FALSE(firstIs({"sorrelmoor", "-fs", "-editor"}, "-editor"));
    EXPECT_TRUE(firstIs({"sorrelmoor", "-editor", "-fs"}, "-editor"));
    EXPECT_FALSE(firstIs({"sorrelmoor", "-editor", "-fs"}, "-fs"));
}

TEST(Startup, LevelsAreCountedUpToTheFirstGap) {
    char pattern[] = "/tmp/sorrelmoor-levels-XXXXXX";
    std::string folder = mkdtemp(pattern);
    std::string names = folder + "/%d.lv";
    EXPECT_EQ(Startup::countLevels(names.c_str()), 0);
    for (int n : {1, 2, 4}) {
        std::FILE* f = std::fopen((folder + "/" + std::to_string(n) + ".lv").c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fclose(f);
    }
    EXPECT_EQ(Startup::countLevels(names.c_str()), 2);
    for (int n : {1, 2, 4})
        std::remove((folder + "/" + std::to_string(n) + ".lv").c_str());
    rmdir(folder.c_str());
}

TEST(Startup, DiePrintsBothLinesAndExitsWithOne) {
    ChildResult child = runInChild([] {
        al_set_errno(12);
        die("Unable to initialize audio.");
    });
    EXPECT_EQ(child.output, "FATAL: Unable to initialize audio..\nAllegro error: 12\n");
    EXPECT_EQ(child.exitStatus, 1);
}

} // namespace
