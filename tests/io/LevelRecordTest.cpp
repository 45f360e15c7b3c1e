#include "io/Kinds.h"
#include "io/LevelRecord.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

LevelRecord record(const char* code, int col, int row, int value = 0, bool on = false, std::string text = "") {
    LevelRecord r;
    r.kind = Kinds::byCode(code);
    r.col = col;
    r.row = row;
    r.value = value;
    r.on = on;
    r.text = text;
    return r;
}

// Flags read as any non-zero byte and are written as 1.
TEST(LevelRecordTest, ParsingStopsAtTheEndOrAByteFFAndRefusesCutRecordsAndUnknownCodes) {
    EXPECT_EQ(LevelRecords::write({record("ms", 3, 4, 0, false, "Hi")}), (Bytes{'m', 's', 3, 4, 'H', 'i', '$'}));
    struct Case {
        const char* name;
        Bytes bytes;
        Bytes rewritten;
        std::string error;  // empty when read
    };
    const Case cases[] = {
        {"nothing", {}, {}, ""},
        {"a lone code byte after a tile", {'t', 'l', 1, 2, 3, 'g'}, {'t', 'l', 1, 2, 3}, ""},
        {"a byte FF where a code starts", {'g', 'b', 0, 0, 0xFF, 'b', 'g', 'b', 1, 1}, {'g', 'b', 0, 0}, ""},
        {"a byte FF as a code's second", {'g', 'b', 0, 0, 'b', 0xFF, 1, 1}, {'g', 'b', 0, 0}, ""},
        {"flags", {'b', 'd', 0, 0, 7, 'p', 'r', 1, 1, 9, 200}, {'b', 'd', 0, 0, 1, 'p', 'r', 1, 1, 9, 1}, ""},
        {"a lever cut short", {'v', 'r', 1, 2, 3}, {}, "record 'vr' at byte 0 is cut off"},
        {"a sign without its terminator", {'g', 'b', 0, 0, 'm', 's', 1, 2, 'a'}, {}, "record 'ms' at byte 4 is cut off"},
        {"an unknown code", {'g', 'b', 0, 0, 'z', 'z', 0, 0}, {}, "unknown code 'zz' at byte 4"},
    };
    for (const Case& c : cases) {
        std::vector<LevelRecord> records;
        std::string error;
        EXPECT_EQ(LevelRecords::parse(c.bytes, records, error), c.error.empty()) << c.name;
        if (c.error.empty())
            EXPECT_EQ(LevelRecords::write(records), c.rewritten) << c.name;
        else
            EXPECT_EQ(error, c.error) << c.name;
    }
}

TEST(LevelRecordTest, MapSymbolsStandForTheirRecords) {
    EXPECT_EQ(record("tl", 0, 0, 11).mapSymbol(), 'B');
    EXPECT_EQ(record("tl", 0, 0, 16).mapSymbol(), 0) << "types past the sheet go in the list";
    EXPECT_EQ(record("bd", 0, 0, 1).mapSymbol(), 'f');
    EXPECT_EQ(record("ff", 0, 0, 0).mapSymbol(), '-');
    EXPECT_EQ(record("vr", 0, 0, 0).mapSymbol(), 0);
    EXPECT_EQ(record("ct", 0, 0, 2).mapSymbol(), 0);
    for (char symbol : std::string("0123456789ABCDEF@b*^-|tf!")) {
        LevelRecord r;
        ASSERT_TRUE(LevelRecord::fromMapSymbol(symbol, 4, 5, r)) << symbol;
        EXPECT_EQ(r.mapSymbol(), symbol);
        EXPECT_EQ(r.col * 10 + r.row, 45);
    }
    LevelRecord r;
    EXPECT_FALSE(LevelRecord::fromMapSymbol('.', 0, 0, r) || LevelRecord::fromMapSymbol('\0', 0, 0, r));
}

TEST(LevelRecordTest, SignsSortByColumnThenRowKeepingTies) {
    std::vector<LevelRecord> signs = {record("ms", 2, 9, 0, false, "a"), record("ms", 1, 5, 0, false, "b"),
                                      record("ms", 2, 1, 0, false, "c"), record("ms", 2, 1, 0, false, "d")};
    LevelRecords::sortSigns(signs);
    std::string order;
    for (const LevelRecord& sign : signs)
        order += sign.text;
    EXPECT_EQ(order, "bcda");
}

} // namespace
