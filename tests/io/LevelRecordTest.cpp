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

TEST(LevelRecordTest, SignRecordIsCodePlaceTextAndDollar) {
    Bytes bytes = LevelRecords::write({record("ms", 3, 4, 0, false, "Hi")});
    EXPECT_EQ(bytes, (Bytes{0x6D, 0x73, 0x03, 0x04, 0x48, 0x69, 0x24}));
    std::vector<LevelRecord> records;
    std::string error;
    ASSERT_TRUE(LevelRecords::parse(bytes, records, error)) << error;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].text, "Hi");
    EXPECT_EQ(records[0].col, 3);
    EXPECT_EQ(records[0].row, 4);
}

// A sign's payload is its text and the "$" after it.
TEST(LevelRecordTest, EveryKindWritesItsPayloadAndReadsItBack) {
    for (const Kind* const* kind = Kinds::all(); *kind; ++kind) {
        LevelRecord written = record((*kind)->code, 1, 2, 1, true, "Hi");
        Bytes bytes = LevelRecords::write({written});
        size_t payload = written.isSign() ? 3 : static_cast<size_t>((*kind)->payloadBytes());
        EXPECT_EQ(bytes.size(), 4 + payload) << (*kind)->code;
        std::vector<LevelRecord> records;
        std::string error;
        ASSERT_TRUE(LevelRecords::parse(bytes, records, error)) << error;
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(LevelRecords::write(records), bytes) << (*kind)->code;
    }
}

TEST(LevelRecordTest, EmptyBytesAndALoneCodeByteHoldNoRecords) {
    std::vector<LevelRecord> records;
    std::string error;
    EXPECT_TRUE(LevelRecords::parse({}, records, error));
    EXPECT_TRUE(records.empty());
    Bytes tileThenHalfCode = {'t', 'l', 1, 2, 3, 'g'};
    EXPECT_TRUE(LevelRecords::parse(tileThenHalfCode, records, error));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].value, 3);
}

TEST(LevelRecordTest, CutRecordsAndUnknownCodesAreRefusedWithTheirPlace) {
    std::vector<LevelRecord> records;
    std::string error;
    EXPECT_FALSE(LevelRecords::parse({'v', 'r', 1, 2, 3}, records, error));
    EXPECT_NE(error.find("cut off"), std::string::npos) << error;
    EXPECT_FALSE(LevelRecords::parse({'m', 's', 1, 2, 'a', 'b'}, records, error)) << "no terminator";
    EXPECT_FALSE(LevelRecords::parse({'g', 'b', 0, 0, 'z', 'z', 0, 0}, records, error));
    EXPECT_NE(error.find("'zz' at byte 4"), std::string::npos) << error;
}

TEST(LevelRecordTest, ByteFFWhereACodeStartsEndsTheRecords) {
    std::vector<LevelRecord> records;
    std::string error;
    EXPECT_TRUE(LevelRecords::parse({'g', 'b', 0, 0, 0xFF, 'b', 'g', 'b', 1, 1}, records, error));
    EXPECT_EQ(records.size(), 1u);
}

TEST(LevelRecordTest, FlagsReadAsNonZeroAndWriteAsOne) {
    std::vector<LevelRecord> records;
    std::string error;
    ASSERT_TRUE(LevelRecords::parse({'b', 'd', 0, 0, 7, 'p', 'r', 1, 1, 9, 200}, records, error));
    EXPECT_EQ(LevelRecords::write(records), (Bytes{'b', 'd', 0, 0, 1, 'p', 'r', 1, 1, 9, 1}));
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
        EXPECT_EQ(r.col, 4);
    }
    LevelRecord r;
    EXPECT_FALSE(LevelRecord::fromMapSymbol('.', 0, 0, r));
    EXPECT_FALSE(LevelRecord::fromMapSymbol('\0', 0, 0, r));
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
