#include "io/Kinds.h"
#include "io/LevelText.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string withoutComments(const std::string& text) {
    std::istringstream in(text);
    std::string line, kept;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#')
            kept += line + "\n";
    return kept;
}

bool tool(const std::string& arguments) {
    return std::system((std::string(SORRELMOOR_LVTOOL) + " " + arguments + " 2>/dev/null").c_str()) == 0;
}

// Every shipped level source, against the level tool and the build's compiled copy.
struct LevelSource : ::testing::TestWithParam<std::string> {
    std::vector<LevelRecord> records;
    std::string source;

    void SetUp() override {
        source = fileText(SORRELMOOR_SOURCE_DIR "/level-src/" + GetParam() + ".txt");
        std::string error;
        ASSERT_TRUE(LevelText::read(source, records, error)) << error;
    }
};

TEST_P(LevelSource, IsInTheWritersFormAndRoundTripsThroughTheTool) {
    EXPECT_EQ(withoutComments(LevelText::write(records)), withoutComments(source));
    std::string compiled = "levels/" + GetParam() + ".lv";
    std::vector<uint8_t> built = fileBytes(compiled);
    EXPECT_EQ(built, LevelRecords::write(records)) << "the build compiles every source";
    std::string decompiled = fs::temp_directory_path().string() + "/sorrelmoor-" + GetParam() + ".txt";
    ASSERT_TRUE(tool("decompile " + compiled + " " + decompiled));
    EXPECT_EQ(withoutComments(fileText(decompiled)), withoutComments(source));
    ASSERT_TRUE(tool("compile " + decompiled + " " + decompiled + ".lv"));
    EXPECT_EQ(fileBytes(decompiled + ".lv"), built);
    fs::remove(decompiled);
    fs::remove(decompiled + ".lv");
}

// A coloured wall that nothing switches would promise a switch the level does not have.
TEST_P(LevelSource, ColoursOnlyWallsThatALeverOrPadOfTheLevelSwitches) {
    std::set<int> switched;
    for (const LevelRecord& record : records)
        if (record.kind == &Kinds::LEVER || record.kind == &Kinds::PRESS_PAD)
            switched.insert(record.value);
    for (const LevelRecord& record : records)
        EXPECT_TRUE(record.kind != &Kinds::TILE || record.value == 0 || switched.count(record.value))
            << "the wall at " << record.col << ", " << record.row;
}

INSTANTIATE_TEST_SUITE_P(Shipped, LevelSource, ::testing::ValuesIn(levelSourceNames()),
                         [](const ::testing::TestParamInfo<std::string>& level) {
                             std::string name = level.param;
                             name[0] = static_cast<char>(std::toupper(name[0]));
                             return std::isdigit(name[0]) ? "Level" + name : "The" + name;
                         });

TEST(LevelTool, RefusesMalformedInputWithoutWriting) {
    std::string folder = fs::temp_directory_path().string() + "/sorrelmoor-lvtool";
    fs::create_directories(folder);
    writeBytes(folder + "/bad.txt", {'m', 'a', 'p', '\n'});
    writeBytes(folder + "/bad.lv", {'z', 'z', 0, 0});
    EXPECT_FALSE(tool("compile " + folder + "/bad.txt " + folder + "/out.lv"));
    EXPECT_FALSE(tool("decompile " + folder + "/bad.lv " + folder + "/out.txt"));
    EXPECT_FALSE(fs::exists(folder + "/out.lv") || fs::exists(folder + "/out.txt"));
    fs::remove_all(folder);
}

} // namespace
