#include "progress/Config.h"
#include "core/AtomicFile.h"
#include "core/SPrintF.h"
#include "support/ChildProcess.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <limits>

namespace {

struct ConfigTest : ::testing::Test {
    std::string folder = mkdtemp(std::string("/tmp/sorrelmoor-config-XXXXXX").data());
    std::string path = folder + "/sorrelmoor.dat";

    void TearDown() override { std::filesystem::remove_all(folder); }
    Config read(int levelFiles) {
        Config config;
        config.path = path;
        config.initialize(levelFiles);
        return config;
    }
};

// Deaths, the record count, then per record four flags and the best time, all little-endian.
// Records beyond the level files, kept from a larger set of levels, are written back.
TEST_F(ConfigTest, TheStoreIsWrittenFieldByFieldAndKeepsRecordsBeyondTheLevelFiles) {
    Config config = read(16);
    config.deaths = 0x01020304;
    config.levels[0].completed = true;
    config.levels[0].bestTime = 2.0;  // 0x4000000000000000
    config.save();
    std::vector<uint8_t> bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), 5 + 16 * 12u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 17),
              std::vector<uint8_t>({4, 3, 2, 1, 16, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x40}));
    read(14).save();
    EXPECT_EQ(fileBytes(path), bytes);
    config.deaths = std::numeric_limits<int32_t>::max() - 1;
    config.countDeath();
    config.countDeath();
    EXPECT_EQ(config.deaths, std::numeric_limits<int32_t>::max()) << "stops at the largest it can store";
}

// Each row's finishes are of one level, in the order given; level 1's target is 15 s, level 2's 21 s.
// Level -1 is the editor's test play.
TEST_F(ConfigTest, CompletionsEarnCrownsKeepTheBestTimeUnlockTheNextThreeAndAreSavedAtOnce) {
    struct Row {
        int level;
        std::vector<std::pair<bool, double>> finishes;  // with all the garbage, in that time
        const char* outcome;  // completed, golden, silver; the best time; levels open; unlock points
    } rows[] = {{0, {{false, 5.0}}, "C-- 999 4 1"},
                {0, {{true, 14.9}}, "CGS 14.9 4 3"},
                {1, {{true, 21.0}}, "CG- 21 4 2"},
                {-1, {{true, 1.0}}, "--- 999 3 0"},
                {0, {{true, 10.0}, {true, 30.0}, {false, 1.0}}, "CGS 10 4 3"}};
    for (const Row& row : rows) {
        std::remove(path.c_str());
        Config config = read(14);
        for (auto [allGarbage, time] : row.finishes)
            config.levelComplete(row.level, allGarbage, time);
        std::vector<LevelInfo> after = read(14).levels;
        const LevelInfo& r = after[std::max(row.level, 0)];
        auto open = std::count_if(after.begin(), after.end(), [](auto& info) { return info.unlocked; });
        EXPECT_EQ(SPrintF::format("%c%c%c %g %ld %d", r.completed ? 'C' : '-', r.goldenCrown ? 'G' : '-',
                                  r.silverCrown ? 'S' : '-', r.bestTime, open, read(14).unlockPoints()),
                  row.outcome);
    }
}

// What is whole is kept.
TEST_F(ConfigTest, DamagedFilesKeepWhatIsWholeAndReadAsNoTimeAndNoDeaths) {
    struct Row {
        std::vector<uint8_t> bytes;
        const char* kept;  // deaths, records, then the first record's completion and best time
    } rows[] = {
        {{}, "0 0"},                                                                   // empty
        {{7, 0}, "0 0"},                                                               // no whole header
        {{1, 0, 0, 0, 200, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}, "1 1 1 1"},      // a count too high
        {{9, 0, 0, 0, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 1, 1}, "9 1 1 1"},  // a record cut short
        {{0xD8, 0xFF, 0xFF, 0xFF, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0xC0}, "0 1 1 999"},  // negative
        {{0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x7F}, "0 1 1 999"}};          // not a number
    for (const Row& row : rows) {
        ASSERT_TRUE(AtomicFile::write(path, row.bytes));
        Config config = read(0);
        std::string kept = SPrintF::format("%d %zu", config.deaths, config.levels.size());
        if (!config.levels.empty())
            kept += SPrintF::format(" %d %g", config.levels[0].completed, config.levels[0].bestTime);
        EXPECT_EQ(kept, row.kept);
    }
}

// A file-size limit makes the write fail part way through, as a full disk would.
TEST_F(ConfigTest, AFailedSaveKeepsTheOldFileWholeAndSaysSoOnce) {
    Config config = read(14);
    config.save();
    std::vector<uint8_t> old = fileBytes(path);
    config.deaths = 5;
    runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{40, 40};
        setrlimit(RLIMIT_FSIZE, &limit);
        config.save();
    });
    EXPECT_EQ(fileBytes(path), old);
    EXPECT_TRUE(fileBytes(path + ".new").empty()) << "no half-written file is left behind";
    config.path = folder + "/missing-folder/sorrelmoor.dat";
    testing::internal::CaptureStdout();
    config.save();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Unable to save progress to '" + config.path + "'; the previous file is kept.\n");
}

TEST(TargetTimes, FollowTheTableAndItsLastEntryBeyondIt) {
    for (auto [index, time] : {std::pair(-1, 100.0), {0, 15}, {6, 10.6}, {13, 18}, {15, 100}, {16, 100}})
        EXPECT_EQ(Config::timeAttackTime(index), time) << index;
}

}  // namespace
