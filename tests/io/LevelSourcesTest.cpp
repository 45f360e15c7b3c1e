#include "core/AtomicFile.h"
#include "io/Kinds.h"
#include "io/LevelRecord.h"
#include "io/LevelText.h"
#include "support/Files.h"

#include <gtest/gtest.h>

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

struct LevelSourcesTest : ::testing::TestWithParam<std::string> {};

// In the form the level tool writes, compiled by the build to the same bytes the game's writer
// makes, and coloured only where a lever or pad of the level switches the wall: a coloured wall
// that nothing switches would promise a switch the level does not have.
TEST_P(LevelSourcesTest, IsInTheWritersFormCompiledAsTheGameWritesAndColoursOnlySwitchedWalls) {
    std::string source = fileText(SORRELMOOR_SOURCE_DIR "/level-src/" + GetParam() + ".txt");
    std::vector<LevelRecord> records;
    std::string error;
    ASSERT_TRUE(LevelText::read(source, records, error)) << error;
    EXPECT_EQ(withoutComments(LevelText::write(records)), withoutComments(source));
    EXPECT_EQ(fileBytes("levels/" + GetParam() + ".lv"), LevelRecords::write(records));
    std::set<int> switched;
    for (const LevelRecord& record : records)
        if (record.kind == &Kinds::LEVER || record.kind == &Kinds::PRESS_PAD)
            switched.insert(record.value);
    for (const LevelRecord& record : records)
        if (record.kind == &Kinds::TILE && record.value != 0) {
            EXPECT_TRUE(switched.count(record.value))
                << "the wall at " << record.col << ", " << record.row << " has type " << record.value;
        }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LevelSourcesTest, ::testing::ValuesIn(levelSourceNames()),
                         [](const ::testing::TestParamInfo<std::string>& source) {
                             return "Level_" + source.param;
                         });

}  // namespace
