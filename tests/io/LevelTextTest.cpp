#include "io/Kinds.h"
#include "io/LevelText.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

std::string emptyMapWith(const std::vector<std::string>& changes = {}) {
    std::vector<std::string> rows(LevelText::ROWS, std::string(LevelText::COLUMNS, '.'));
    for (size_t i = 0; i < changes.size() && i < rows.size(); ++i)
        rows[i].replace(0, changes[i].size(), changes[i]);
    std::string text = "map\n";
    for (const std::string& row : rows)
        text += row + "\n";
    return text + "objects\n";
}

std::vector<LevelRecord> parsed(const std::string& text) {
    std::vector<LevelRecord> records;
    std::string error;
    EXPECT_TRUE(LevelText::read(text, records, error)) << error;
    return records;
}

std::string errorOf(const std::string& text) {
    std::vector<LevelRecord> records;
    std::string error;
    EXPECT_FALSE(LevelText::read(text, records, error));
    return error;
}

// Comments and blank lines are skipped anywhere.
TEST(LevelTextTest, RecordsComeOutSignsFirstThenMapRowByRowThenList) {
    std::string text = "# a level\n\n" + emptyMapWith({"..1@", "b..f"}) +
                       "# the list\n\nlever 5 6 2 on\nsign 9 1 \"later\"\nsign 2 3 \"first\"\n";
    std::vector<LevelRecord> records = parsed(text);
    std::string codes;
    for (const LevelRecord& r : records)
        codes += std::string(r.kind->code) + " ";
    EXPECT_EQ(codes, "ms ms tl av gb bd vr ");
    EXPECT_EQ(records[0].text, "first");
    EXPECT_EQ(records[2].value, 1);
    EXPECT_EQ(records[5].value, 1) << "f is a feral baddie";
    EXPECT_EQ(records[6].value, 2);
    EXPECT_TRUE(records[6].on);
}

TEST(LevelTextTest, TextToLevelToTextIsExact) {
    std::string text = LevelText::write(parsed(emptyMapWith({"0123456789ABCDEF", "@b*^-|tf!"}) +
                                               "sign 1 1 \"Say \\\"hi\\\" \\\\ \\x01\"\ncontainer 3 28 4\n"
                                               "presspad 7 7 0 off\nforcefield 50 2 vertical\n"));
    EXPECT_EQ(LevelText::write(parsed(text)), text);
}

TEST(LevelTextTest, LevelToTextToLevelIsExactForTheWritersOrder) {
    LevelRecord bag, tile, stray, sign;
    LevelRecord::fromMapSymbol('b', 4, 0, bag);
    LevelRecord::fromMapSymbol('3', 4, 0, tile);  // same cell: goes in the list
    LevelRecord::fromMapSymbol('@', 41, 31, stray);  // outside the grid
    sign.kind = &Kinds::SIGN;
    for (int c = 1; c < 256; ++c)
        if (c != '$')
            sign.text += static_cast<char>(c);
    Bytes bytes = LevelRecords::write({sign, bag, tile, stray});
    std::vector<LevelRecord> back = parsed(LevelText::write(parsed(LevelText::write({sign, bag, tile, stray}))));
    EXPECT_EQ(LevelRecords::write(back), bytes);
}

TEST(LevelTextTest, MalformedTextNamesItsLine) {
    EXPECT_EQ(errorOf(""), "line 1: expected 'map'");
    EXPECT_EQ(errorOf("map\n....\n"), "line 2: a map row is 40 characters, not 4");
    EXPECT_EQ(errorOf(emptyMapWith({"..z"})), "line 2: unknown map character 'z'");
    std::string map = emptyMapWith();
    EXPECT_EQ(errorOf(map.substr(0, map.size() - 8)), "line 31: expected 'objects' after the map");
    EXPECT_EQ(errorOf(map + "dragon 1 1\n"), "line 33: unknown object 'dragon'");
    EXPECT_EQ(errorOf(map + "bag 1\n"), "line 33: expected a column and a row from 0 to 255");
    EXPECT_EQ(errorOf(map + "bag 1 256\n"), "line 33: expected a column and a row from 0 to 255");
    EXPECT_EQ(errorOf(map + "bag 1 -1\n"), "line 33: expected a column and a row from 0 to 255");
    EXPECT_EQ(errorOf(map + "bag 1 1 extra\n"), "line 33: unexpected 'extra'");
    EXPECT_EQ(errorOf(map + "container 1 1 3x\n"), "line 33: expected a value from 0 to 255");
    EXPECT_EQ(errorOf(map + "lever 1 1 2 maybe\n"), "line 33: expected 'off' or 'on'");
    EXPECT_EQ(errorOf(map + "baddie 1 1\n"), "line 33: expected 'tame' or 'feral'");
    EXPECT_EQ(errorOf(map + "sign 1 1 hello\n"), "line 33: a sign's text goes in double quotes");
    EXPECT_EQ(errorOf(map + "sign 1 1 \"a$b\"\n"), "line 33: a sign's text cannot hold '$'");
    EXPECT_EQ(errorOf(map + "sign 1 1 \"a\\x2\"\n"), "line 33: unknown escape in a sign's text");
    EXPECT_EQ(errorOf(map + "sign 1 1 \"a\"b\"\n"), "line 33: a quote inside a sign's text must be written \\\"");
}

} // namespace
