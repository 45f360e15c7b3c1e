#include "progress/Config.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

std::vector<uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct ConfigTest : ::testing::Test {
    std::string folder;
    Config config;

    void SetUp() override {
        char pattern[] = "/tmp/sorrelmoor-config-XXXXXX";
        folder = mkdtemp(pattern);
        config.path = folder + "/sorrelmoor.dat";
    }
    void TearDown() override {
        std::remove(config.path.c_str());
        std::remove((config.path + ".new").c_str());
        rmdir(folder.c_str());
    }
};

TEST_F(ConfigTest, FirstRunHasDefaultsAndSavesOneHundredSeventyThreeBytes) {
    config.initialize(14);
    ASSERT_EQ(config.levels.size(), 14u);
    EXPECT_EQ(config.deaths, 0);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(config.levels[i].unlocked, i <= 2) << i;
        EXPECT_FALSE(config.levels[i].completed);
        EXPECT_DOUBLE_EQ(config.levels[i].bestTime, 999.0);
    }
    config.save();
    EXPECT_EQ(fileBytes(config.path).size(), 173u);
}

TEST_F(ConfigTest, FileLayoutIsLittleEndianFieldByField) {
    config.initialize(1);
    config.deaths = 0x01020304;
    config.levels[0].completed = true;
    config.levels[0].bestTime = 2.0;  // 0x4000000000000000
    std::vector<uint8_t> bytes = config.serialize();
    std::vector<uint8_t> expected = {0x04, 0x03, 0x02, 0x01, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x40};
    EXPECT_EQ(bytes, expected);
}

TEST_F(ConfigTest, SavedFileRoundTripsByteForByte) {
    config.initialize(14);
    config.deaths = 321;
    config.levelComplete(0, true, 14.9);
    config.levelComplete(4, false, 3.0);
    std::vector<uint8_t> first = fileBytes(config.path);

    Config again;
    again.path = config.path;
    again.initialize(14);
    EXPECT_EQ(again.deaths, 321);
    EXPECT_TRUE(again.levels[0].silverCrown);
    EXPECT_DOUBLE_EQ(again.levels[0].bestTime, 14.9);
    again.save();
    EXPECT_EQ(fileBytes(config.path), first);
}

TEST_F(ConfigTest, CompletionWithoutAllGarbageUnlocksTheNextThree) {
    config.initialize(14);
    config.levelComplete(0, false, 5.0);
    EXPECT_TRUE(config.levels[0].completed);
    EXPECT_FALSE(config.levels[0].goldenCrown);
    EXPECT_DOUBLE_EQ(config.levels[0].bestTime, 999.0);
    EXPECT_EQ(config.completions(), 1);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(config.levels[i].unlocked) << i;
    EXPECT_FALSE(config.levels[4].unlocked);
    EXPECT_EQ(config.unlockPoints(), 1);
}

TEST_F(ConfigTest, SilverCrownNeedsStrictlyLessThanTheTarget) {
    config.initialize(14);
    config.levelComplete(0, true, 14.9);
    EXPECT_TRUE(config.levels[0].goldenCrown);
    EXPECT_TRUE(config.levels[0].silverCrown);
    EXPECT_DOUBLE_EQ(config.levels[0].bestTime, 14.9);
    EXPECT_EQ(config.unlockPoints(), 3);

    config.levelComplete(1, true, 21.0);  // exactly the target of index 1
    EXPECT_TRUE(config.levels[1].goldenCrown);
    EXPECT_FALSE(config.levels[1].silverCrown);
    EXPECT_DOUBLE_EQ(config.levels[1].bestTime, 21.0);
}

TEST_F(ConfigTest, SlowerFinishKeepsBestTimeAndCrowns) {
    config.initialize(14);
    config.levelComplete(0, true, 10.0);
    config.levelComplete(0, true, 30.0);
    config.levelComplete(0, false, 1.0);
    EXPECT_DOUBLE_EQ(config.levels[0].bestTime, 10.0);
    EXPECT_TRUE(config.levels[0].silverCrown);
    EXPECT_EQ(config.completions(), 1);
}

TEST_F(ConfigTest, EditorTestPlayRecordsNothing) {
    config.initialize(14);
    std::vector<uint8_t> before = config.serialize();
    config.levelComplete(-1, true, 1.0);
    EXPECT_EQ(config.serialize(), before);
    EXPECT_TRUE(fileBytes(config.path).empty()) << "nothing saved either";
}

TEST_F(ConfigTest, CompletionIsSavedAtOnce) {
    config.initialize(14);
    config.levelComplete(2, true, 1.0);
    Config reread;
    reread.path = config.path;
    reread.initialize(14);
    EXPECT_TRUE(reread.levels[2].completed);
}

TEST_F(ConfigTest, MoreStoredRecordsThanLevelFilesAreKept) {
    config.initialize(16);
    config.levels[15].completed = true;
    config.save();
    Config reread;
    reread.path = config.path;
    reread.initialize(14);
    ASSERT_EQ(reread.levels.size(), 16u);
    EXPECT_TRUE(reread.levels[15].completed);
    reread.save();
    EXPECT_EQ(fileBytes(config.path).size(), 5u + 12u * 16u);
}

TEST_F(ConfigTest, TruncatedFileKeepsOnlyWholeRecords) {
    config.initialize(3);
    config.deaths = 9;
    for (LevelInfo& level : config.levels)
        level.completed = true;
    std::vector<uint8_t> bytes = config.serialize();
    bytes.resize(5 + 12 * 2 + 7);  // the third record cut inside its best time
    writeBytes(config.path, bytes);

    Config reread;
    reread.path = config.path;
    reread.initialize(3);
    EXPECT_EQ(reread.deaths, 9);
    ASSERT_EQ(reread.levels.size(), 3u);
    EXPECT_TRUE(reread.levels[1].completed);
    EXPECT_FALSE(reread.levels[2].completed) << "the cut record takes its defaults";
    EXPECT_DOUBLE_EQ(reread.levels[2].bestTime, 999.0);
}

TEST_F(ConfigTest, CountLargerThanTheRecordsPresentReadsNothingBeyondTheEnd) {
    std::vector<uint8_t> bytes = {1, 0, 0, 0, 200, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    writeBytes(config.path, bytes);
    config.initialize(2);
    EXPECT_EQ(config.deaths, 1);
    ASSERT_EQ(config.levels.size(), 2u);
    EXPECT_TRUE(config.levels[0].completed);
    EXPECT_DOUBLE_EQ(config.levels[0].bestTime, 1.0);
    EXPECT_FALSE(config.levels[1].completed);
}

TEST_F(ConfigTest, DamagedValuesReadAsNoTimeAndNoDeaths) {
    const double damaged[] = {std::nan(""), -INFINITY, INFINITY, -2.5};
    for (double time : damaged) {
        Config written;
        written.initialize(1);
        written.deaths = -40;
        written.levels[0].completed = true;
        written.levels[0].bestTime = time;
        Config reread;
        reread.deserialize(written.serialize());
        EXPECT_EQ(reread.deaths, 0);
        EXPECT_EQ(reread.levels[0].bestTime, LevelInfo::NO_TIME) << time;
        reread.levels[0].bestTime = 5;  // an ordinary time still reads as itself
        Config again;
        again.deserialize(reread.serialize());
        EXPECT_EQ(again.levels[0].bestTime, 5);
    }
}

TEST_F(ConfigTest, TheDeathCountStopsAtTheLargestStoredValue) {
    config.deaths = std::numeric_limits<int32_t>::max() - 1;
    config.countDeath();
    config.countDeath();
    EXPECT_EQ(config.deaths, std::numeric_limits<int32_t>::max());
}

TEST_F(ConfigTest, FilesTooShortForAHeaderGiveAFreshStart) {
    for (std::vector<uint8_t> bytes : {std::vector<uint8_t>{}, std::vector<uint8_t>{7, 0}}) {
        writeBytes(config.path, bytes);
        Config reread;
        reread.path = config.path;
        reread.initialize(14);
        EXPECT_EQ(reread.deaths, 0);
        EXPECT_EQ(reread.levels.size(), 14u);
    }
}

TEST_F(ConfigTest, FailedSaveKeepsTheOldFileAndSaysSo) {
    config.initialize(14);
    config.save();
    std::vector<uint8_t> old = fileBytes(config.path);
    Config broken = config;
    broken.path = folder + "/missing-folder/sorrelmoor.dat";
    testing::internal::CaptureStdout();
    broken.save();
    std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("Unable to save progress"), std::string::npos);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    EXPECT_EQ(fileBytes(config.path), old);
}

// A file-size limit makes the write fail part way through, as a full disk would.
TEST_F(ConfigTest, WriteThatFailsHalfwayLeavesTheOldFileWhole) {
    config.initialize(14);
    config.save();
    std::vector<uint8_t> old = fileBytes(config.path);
    config.deaths = 5;
    config.levels[0].completed = true;
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
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(fileBytes(config.path), old);
    EXPECT_TRUE(fileBytes(config.path + ".new").empty()) << "no half-written file is left behind";
}

// A save cut short by the process dying leaves either the file before it or the one after it.
TEST_F(ConfigTest, KilledWhileSavingLeavesAWholeFile) {
    config.initialize(14);
    config.save();
    std::vector<std::vector<uint8_t>> versions;
    for (int deaths = 0; deaths < 2; ++deaths) {
        config.deaths = deaths;
        versions.push_back(config.serialize());
    }
    for (int round = 0; round < 20; ++round) {
        std::fflush(stdout);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                config.deaths = i % 2;
                config.save();
            }
        }
        usleep(200 + 370 * round);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        std::vector<uint8_t> left = fileBytes(config.path);
        EXPECT_TRUE(left == versions[0] || left == versions[1]) << "round " << round << ": " << left.size() << " bytes";
    }
}

TEST(TargetTimes, TableAndTheRuleBeyondIt) {
    EXPECT_DOUBLE_EQ(Config::timeAttackTime(0), 15.0);
    EXPECT_DOUBLE_EQ(Config::timeAttackTime(6), 10.6);
    EXPECT_DOUBLE_EQ(Config::timeAttackTime(13), 18.0);
    EXPECT_DOUBLE_EQ(Config::timeAttackTime(15), 100.0);
    EXPECT_DOUBLE_EQ(Config::timeAttackTime(16), 100.0);
    EXPECT_DOUBLE_EQ(Config::timeAttackTime(200), 100.0);
}

TEST(ConfigInstance, MadeOnFirstUse) {
    Config& first = Config::get();
    EXPECT_EQ(&first, Config::instance);
    EXPECT_EQ(&Config::get(), &first);
}

} // namespace
