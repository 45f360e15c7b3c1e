#include "progress/Config.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <limits>

namespace {

struct ConfigTest : ::testing::Test {
    std::string folder;
    Config config;

    void SetUp() override {
        char pattern[] = "/tmp/sorrelmoor-config-XXXXXX";
        folder = mkdtemp(pattern);
        config.path = folder + "/sorrelmoor.dat";
    }
    void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }
    Config reread(int levels) {
        Config again;
        again.path = config.path;
        again.initialize(levels);
        return again;
    }
};

TEST_F(ConfigTest, AFreshStoreOpensThreeLevelsAndIsWrittenLittleEndianFieldByField) {
    config.initialize(14);
    ASSERT_EQ(config.levels.size(), 14u);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(config.levels[i].unlocked, i <= 2) << i;
    config.save();
    EXPECT_EQ(fileBytes(config.path).size(), 173u);
    config.levels.erase(config.levels.begin() + 1, config.levels.end());
    config.deaths = 0x01020304;
    config.levels[0].completed = true;
    config.levels[0].bestTime = 2.0;  // 0x4000000000000000
    EXPECT_EQ(config.serialize(), std::vector<uint8_t>({4, 3, 2, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x40}));
}

// Each row's finishes are of one level, the last row's in the order given.
TEST_F(ConfigTest, CompletionsEarnCrownsKeepTheBestTimeUnlockTheNextThreeAndAreSavedAtOnce) {
    struct Finish {
        bool allGarbage;
        double time;
    };
    struct Row {
        const char* name;
        int level;
        std::vector<Finish> finishes;
        bool golden, silver;
        double best;
        int unlocked, points;
    } rows[] = {
        {"without all the garbage", 0, {{false, 5.0}}, false, false, 999.0, 4, 1},
        {"under the target", 0, {{true, 14.9}}, true, true, 14.9, 4, 3},
        {"at the target", 1, {{true, 21.0}}, true, false, 21.0, 4, 2},
        {"the editor's test play", -1, {{true, 1.0}}, false, false, 999.0, 3, 0},
        {"slower after faster", 0, {{true, 10.0}, {true, 30.0}, {false, 1.0}}, true, true, 10.0, 4, 3},
    };
    for (const Row& row : rows) {
        Config fresh;
        fresh.path = config.path;
        std::remove(config.path.c_str());
        fresh.initialize(14);
        for (const Finish& finish : row.finishes)
            fresh.levelComplete(row.level, finish.allGarbage, finish.time);
        Config saved = reread(14);
        const LevelInfo& record = saved.levels[std::max(row.level, 0)];
        EXPECT_EQ(record.completed, row.level >= 0) << row.name;
        EXPECT_EQ(record.goldenCrown, row.golden) << row.name;
        EXPECT_EQ(record.silverCrown, row.silver) << row.name;
        EXPECT_EQ(record.bestTime, row.best) << row.name;
        EXPECT_EQ(std::count_if(saved.levels.begin(), saved.levels.end(), [](auto& l) { return l.unlocked; }),
                  row.unlocked)
            << row.name;
        EXPECT_EQ(saved.unlockPoints(), row.points) << row.name;
        EXPECT_EQ(fileBytes(config.path).empty(), row.level < 0) << row.name;
    }
}

TEST_F(ConfigTest, MoreStoredRecordsThanLevelFilesAreKeptAndWrittenBack) {
    config.initialize(16);
    config.deaths = 321;
    config.levels[15].completed = true;
    config.save();
    std::vector<uint8_t> first = fileBytes(config.path);
    Config again = reread(14);
    ASSERT_EQ(again.levels.size(), 16u);
    EXPECT_EQ(again.deaths, 321);
    again.save();
    EXPECT_EQ(fileBytes(config.path), first);
}

TEST_F(ConfigTest, DamagedFilesKeepWhatIsWholeAndReadAsNoTimeAndNoDeaths) {
    struct Row {
        const char* name;
        std::vector<uint8_t> bytes;
        int deaths;
        size_t levels;  // records read, before the missing ones are added
        double firstTime;
    } rows[] = {
        {"empty", {}, 0, 0, 999.0},
        {"too short for a header", {7, 0}, 0, 0, 999.0},
        {"a count larger than the records present", {1, 0, 0, 0, 200, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}, 1,
         1, 1.0},
        {"a record cut inside its time", {9, 0, 0, 0, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 1, 1}, 9, 1, 1.0},
        {"negative deaths, a negative time", {0xD8, 0xFF, 0xFF, 0xFF, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0xC0}, 0, 1,
         999.0},
        {"an infinite time", {0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x7F}, 0, 1, 999.0},
        {"not a number", {0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x7F}, 0, 1, 999.0},
    };
    for (const Row& row : rows) {
        config.deserialize(row.bytes);
        EXPECT_EQ(config.deaths, row.deaths) << row.name;
        ASSERT_EQ(config.levels.size(), row.levels) << row.name;
        if (row.levels > 0) {
            EXPECT_TRUE(config.levels[0].completed) << row.name;
            EXPECT_EQ(config.levels[0].bestTime, row.firstTime) << row.name;
        }
        writeBytes(config.path, row.bytes);
        EXPECT_EQ(reread(2).levels.size(), 2u) << row.name;
    }
}

TEST_F(ConfigTest, TheDeathCountStopsAtTheLargestStoredValue) {
    config.deaths = std::numeric_limits<int32_t>::max() - 1;
    config.countDeath();
    config.countDeath();
    EXPECT_EQ(config.deaths, std::numeric_limits<int32_t>::max());
}

TEST_F(ConfigTest, AFailedSaveKeepsTheOldFileWholeAndSaysSoOnce) {
    config.initialize(14);
    config.save();
    std::vector<uint8_t> old = fileBytes(config.path);
    Config broken = config;
    broken.path = folder + "/missing-folder/sorrelmoor.dat";
    testing::internal::CaptureStdout();
    broken.save();
    std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(said.rfind("Unable to save progress", 0), 0u) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    // A file-size limit makes the write fail part way through, as a full disk would.
    config.deaths = 5;
    std::fflush(stdout);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{40, 40};
        setrlimit(RLIMIT_FSIZE, &limit);
        config.save();
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    EXPECT_EQ(fileBytes(config.path), old);
    EXPECT_TRUE(fileBytes(config.path + ".new").empty()) << "no half-written file is left behind";
}

// A save cut short by the process dying leaves either the file before it or the one after it.
TEST_F(ConfigTest, KilledWhileSavingLeavesAWholeFile) {
    config.initialize(14);
    config.save();
    std::vector<uint8_t> versions[2] = {config.serialize(), config.serialize()};
    versions[1][0] = 1;
    for (int round = 0; round < 20; ++round) {
        std::fflush(stdout);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (int i = 0;; ++i) {
                config.deaths = i % 2;
                config.save();
            }
        usleep(200 + 370 * round);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        std::vector<uint8_t> left = fileBytes(config.path);
        EXPECT_TRUE(left == versions[0] || left == versions[1]) << "round " << round << ": " << left.size();
    }
}

TEST(TargetTimes, FollowTheTableAndItsLastEntryBeyondIt) {
    for (auto [index, time] : std::vector<std::pair<int, double>>{
             {-1, 100}, {0, 15.0}, {6, 10.6}, {13, 18.0}, {15, 100.0}, {16, 100.0}, {200, 100.0}})
        EXPECT_EQ(Config::timeAttackTime(index), time) << index;
}

} // namespace
