#include "io/Kinds.h"
#include "io/LevelText.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>

namespace {

std::string withoutComments(const std::string& text) {
    std::istringstream in(text);
    std::string line, kept;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#')
            kept += line + "\n";
    return kept;
}

// Every shipped level source.
struct LevelSource : ::testing::TestWithParam<std::string> {
    std::vector<LevelRecord> records;
    std::string source;

    void SetUp() override {
        source = fileText(SORRELMOOR_SOURCE_DIR "/level-src/" + GetParam() + ".txt");
        std::string error;
        ASSERT_TRUE(LevelText::read(source, records, error)) << error;
    }
};

// In the form the level tool writes, so that a source decompiled from its level reads the same; the
// build's compiled copy is the level the text describes.
TEST_P(LevelSource, IsInTheWritersFormAndCompiledByTheBuild) {
    EXPECT_EQ(withoutComments(LevelText::write(records)), withoutComments(source));
    EXPECT_EQ(fileBytes("levels/" + GetParam() + ".lv"), LevelRecords::write(records));
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

} // namespace
