#include "core/Die.h"
#include "core/Startup.h"
#include "support/ChildProcess.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

TEST(Startup, OptionsAreComparedWholeAndOnlyInFirstPlace) {
    struct {
        std::vector<std::string> args;
        const char* option;
        bool given;
    } rows[] = {{{"-fs"}, "-fs", true},           {{"-fsx"}, "-fs", false},          {{"-FS"}, "-fs", false},
                {{"-f"}, "-fs", false},           {{"x", "-fs"}, "-fs", false},      {{}, "-fs", false},
                {{"-editor", "-fs"}, "-editor", true}, {{"-editor", "-fs"}, "-fs", false}};
    for (auto& row : rows) {
        std::vector<char*> argv = {const_cast<char*>("sorrelmoor")};
        for (std::string& a : row.args)
            argv.push_back(a.data());
        EXPECT_EQ(Startup::firstArgumentIs(static_cast<int>(argv.size()), argv.data(), row.option), row.given)
            << row.option << " of " << argv.size() - 1;
    }
}

TEST(Startup, LevelsAreCountedUpToTheFirstGap) {
    char pattern[] = "/tmp/sorrelmoor-levels-XXXXXX";
    std::string folder = mkdtemp(pattern);
    EXPECT_EQ(Startup::countLevels((folder + "/%d.lv").c_str()), 0);
    for (int n : {1, 2, 4})
        std::fclose(std::fopen((folder + "/" + std::to_string(n) + ".lv").c_str(), "w"));
    EXPECT_EQ(Startup::countLevels((folder + "/%d.lv").c_str()), 2);
    std::system(("rm -rf '" + folder + "'").c_str());
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
