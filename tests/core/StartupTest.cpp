#include "states/Startup.h"
#include "core/Die.h"
#include "support/ChildProcess.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>

namespace {

// As "-fs" is looked for. Past argc nothing counts, though the array holds more.
TEST(Startup, OptionsAreComparedWholeAndOnlyInFirstPlace) {
    for (auto [argc, first, given] : {std::tuple(2, "-fs", true),
                                      {2, "-fsx", false},
                                      {2, "-FS", false},
                                      {2, "-f", false},
                                      {3, "x", false},
                                      {1, "-fs", false}}) {
        const char* argv[] = {"sorrelmoor", first, "-fs"};
        EXPECT_EQ(Startup::firstArgumentIs(argc, const_cast<char**>(argv), "-fs"), given) << argc << first;
    }
}

TEST(Startup, LevelsAreCountedUpToTheFirstGap) {
    std::string folder = mkdtemp(std::string("/tmp/sorrelmoor-levels-XXXXXX").data());
    for (int n : {1, 2, 4})
        std::fclose(std::fopen((folder + "/" + std::to_string(n) + ".lv").c_str(), "w"));
    EXPECT_EQ(Startup::countLevels((folder + "/%d.lv").c_str()), 2);
    EXPECT_EQ(Startup::countLevels((folder + "/none/%d.lv").c_str()), 0);
    std::filesystem::remove_all(folder);
}

TEST(Startup, DiePrintsBothLinesAndExitsWithOne) {
    ChildResult child = runInChild([] {
        al_set_errno(12);
        die("Unable to initialize audio.");
    });
    EXPECT_EQ(std::make_pair(child.exitStatus, child.output),
              std::make_pair(1, std::string("FATAL: Unable to initialize audio..\nAllegro error: 12\n")));
}

}  // namespace
