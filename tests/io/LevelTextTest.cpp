#include "io/LevelText.h"
#include "io/Kinds.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

// An empty map; its first row starts at 4, the second at 45.
std::string blankMap() {
    std::string text = "map\n";
    for (int row = 0; row < LevelText::ROWS; ++row)
        text += std::string(LevelText::COLUMNS, '.') + "\n";
    return text + "objects\n";
}

std::vector<LevelRecord> read(const std::string& text) {
    std::vector<LevelRecord> records;
    std::string error;
    EXPECT_TRUE(LevelText::read(text, records, error)) << error;
    return records;
}

// Signs first by column then row, then the map row by row, then the list; comments and blank lines
// anywhere.
TEST(LevelTextTest, RecordsComeInTheFormsOrder) {
    std::string text = "# a level\n\n" + blankMap().replace(4, 4, "..1@").replace(45, 1, "b") +
                       "# the list\n\nlever 5 6 2 on\nsign 9 1 \"b\"\nsign 2 3 \"a\"\n";
    EXPECT_EQ(LevelRecords::write(read(text)),
              (Bytes{'m', 's', 2,   3, 'a', '$', 'm', 's', 9, 1,   'b', '$', 't', 'l', 2, 0,
                     1,   'a', 'v', 3, 0,   'g', 'b', 0,   1, 'v', 'r', 5,   6,   2,   1}));
}

// Records in the writer's order, every kind with its values clear and set, in the map and in the
// list (outside the grid, past the sheet's 16 tile types, or on a cell taken): the same bytes come
// back, and the text writes again unchanged.
TEST(LevelTextTest, EveryKindComesBackFromTextUnchanged) {
    std::string text;
    for (int c = 1; c < 256; ++c)
        text += c == '$' ? "" : std::string(1, char(c));
    std::vector<LevelRecord> records = {{&Kinds::SIGN, 0, 0, 0, false, text}};
    std::string symbols = "0123456789ABCDEF@b*^-|tf!";
    for (int col = 0; col < int(symbols.size()); ++col) {
        records.emplace_back();
        ASSERT_TRUE(LevelRecord::fromMapSymbol(symbols[size_t(col)], col, 29, records.back()));
    }
    records.push_back(records[1]);  // tile 0 again: listed
    records.back().value = 200;
    for (int value : {0, 1})
        for (const Kind* const* kind = Kinds::all(); *kind; ++kind)
            if (*kind != &Kinds::SIGN)
                records.push_back({*kind, 40 + value, 255, value, value != 0, ""});
    Bytes bytes = LevelRecords::write(records);
    std::vector<LevelRecord> back = read(text = LevelText::write(records));
    EXPECT_EQ(LevelRecords::write(back), bytes);
    EXPECT_EQ(LevelText::write(back), text);
    std::string error;
    ASSERT_TRUE(LevelRecords::parse(bytes, back, error)) << error;
    EXPECT_EQ(LevelRecords::write(back), bytes);
}

TEST(LevelTextTest, MalformedTextIsRefusedWithItsLine) {
    std::string map = blankMap();
    const std::pair<std::string, const char*> cases[] = {
        {"", "line 1: expected 'map'"},
        {"map\n....\n", "line 2: a map row is 40 characters, not 4"},
        {blankMap().replace(6, 1, "z"), "line 2: unknown map character 'z'"},
        {map.substr(0, 4 + 41 * 10), "line 11: the map ends before its 30th row"},
        {map.substr(0, map.size() - 8), "line 31: expected 'objects' after the map"},
        {map + "\ndragon 1 1\n", "line 34: unknown object 'dragon'"},
        {map + "garbage 1 256\n", "line 33: expected a column and a row from 0 to 255"},
        {map + "garbage 1 1 extra\n", "line 33: unexpected 'extra'"},
        {map + "container 1 1 3x\n", "line 33: expected a value from 0 to 255"},
        {map + "lever 1 1 2 maybe\n", "line 33: expected 'off' or 'on'"},
        {map + "sign 1 1 hello\n", "line 33: a sign's text goes in double quotes"},
        {map + "sign 1 1 \"a$b\"\n", "line 33: a sign's text cannot hold '$'"},
        {map + "sign 1 1 \"a\\x2\"\n", "line 33: unknown escape in a sign's text"},
        {map + "sign 1 1 \"a\"b\"\n", "line 33: a quote inside a sign's text must be written \\\""},
    };
    for (const auto& [text, error] : cases) {
        std::vector<LevelRecord> records;
        std::string said;
        EXPECT_FALSE(LevelText::read(text, records, said)) << error;
        EXPECT_EQ(said, error);
    }
}

}  // namespace
