#include "core/AtomicFile.h"
#include "io/Kinds.h"
#include "io/LevelText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> levelSources() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(SORRELMOOR_SOURCE_DIR "/level-src"))
        if (entry.path().extension() == ".txt")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string withoutComments(const std::string& text) {
    std::istringstream in(text);
    std::string line, kept;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#')
            kept += line + "\n";
    return kept;
}

std::string fileText(const std::string& path) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(AtomicFile::read(path, bytes)) << path;
    return std::string(bytes.begin(), bytes.end());
}

// Every shipped level source, through the level tool and the build's compiled copy.
struct LevelSourcesTest : ::testing::TestWithParam<std::string> {};

TEST_P(LevelSourcesTest, IsInTheWritersFormAndRoundTripsThroughTheTool) {
    std::string source = fileText(std::string(SORRELMOOR_SOURCE_DIR "/level-src/") + GetParam() + ".txt");
    std::vector<LevelRecord> records;
    std::string error;
    ASSERT_TRUE(LevelText::read(source, records, error)) << error;
    EXPECT_EQ(withoutComments(LevelText::write(records)), withoutComments(source))
        << "the source is not in the form the tool writes";

    std::string compiled = "levels/" + GetParam() + ".lv";
    std::vector<uint8_t> built;
    ASSERT_TRUE(AtomicFile::read(compiled, built)) << "the build compiles every source";
    EXPECT_EQ(built, LevelRecords::write(records));

    std::string decompiled = fs::temp_directory_path().string() + "/sorrelmoor-" + GetParam() + ".txt";
    std::string command = std::string(SORRELMOOR_LVTOOL) + " decompile " + compiled + " " + decompiled;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(withoutComments(fileText(decompiled)), withoutComments(source));
    std::string recompiled = decompiled + ".lv";
    command = std::string(SORRELMOOR_LVTOOL) + " compile " + decompiled + " " + recompiled;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::vector<uint8_t> again;
    ASSERT_TRUE(AtomicFile::read(recompiled, again));
    EXPECT_EQ(again, built);
    fs::remove(decompiled);
    fs::remove(recompiled);
}

// A wall's colour is its group: a coloured wall that nothing switches would promise a switch
// the level does not have, so walls no lever or pad of the level switches are plain brick.
TEST_P(LevelSourcesTest, ColoursOnlyWallsThatALeverOrPadOfTheLevelSwitches) {
    std::string source = fileText(std::string(SORRELMOOR_SOURCE_DIR "/level-src/") + GetParam() + ".txt");
    std::vector<LevelRecord> records;
    std::string error;
    ASSERT_TRUE(LevelText::read(source, records, error)) << error;
    std::set<int> switched;
    for (const LevelRecord& record : records)
        if (record.kind == &Kinds::LEVER || record.kind == &Kinds::PRESS_PAD)
            switched.insert(record.value);
    for (const LevelRecord& record : records)
        if (record.kind == &Kinds::TILE && record.value != 0) {
            EXPECT_TRUE(switched.count(record.value))
                << "the wall at " << record.col << ", " << record.row << " has type " << record.value
                << ", which no lever or pad of the level switches";
        }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LevelSourcesTest, ::testing::ValuesIn(levelSources()));

TEST(LevelToolTest, RefusesMalformedInputWithoutWriting) {
    std::string folder = fs::temp_directory_path().string() + "/sorrelmoor-lvtool";
    fs::create_directories(folder);
    ASSERT_TRUE(AtomicFile::write(folder + "/bad.txt", {'m', 'a', 'p', '\n'}));
    ASSERT_TRUE(AtomicFile::write(folder + "/bad.lv", {'z', 'z', 0, 0}));
    std::string tool = SORRELMOOR_LVTOOL;
    EXPECT_NE(std::system((tool + " compile " + folder + "/bad.txt " + folder + "/out.lv 2>/dev/null").c_str()), 0);
    EXPECT_NE(std::system((tool + " decompile " + folder + "/bad.lv " + folder + "/out.txt 2>/dev/null").c_str()), 0);
    EXPECT_FALSE(fs::exists(folder + "/out.lv"));
    EXPECT_FALSE(fs::exists(folder + "/out.txt"));
    fs::remove_all(folder);
}

} // namespace
