#include "core/Die.h"
#include "core/Startup.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
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
    // Death tests read stderr only; the messages go to stdout, so read them through a pipe.
    std::fflush(stdout);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    pid_t child = fork();
    if (child == 0) {
        dup2(fds[1], 1);
        al_set_errno(12);
        die("Unable to initialize audio.");
    }
    close(fds[1]);
    std::string out;
    char buffer[256];
    ssize_t got;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<size_t>(got));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(out, "FATAL: Unable to initialize audio..\nAllegro error: 12\n");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
}

} // namespace
