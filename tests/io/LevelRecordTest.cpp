#include "io/LevelRecord.h"
#include "io/Kinds.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

// A flag reads as any non-zero byte and is written as 1; reading stops at the end or where a byte FF
// starts or ends a code. `rewritten` is empty when the bytes come back unchanged.
TEST(LevelRecordTest, BytesReadBackAsWrittenOrAreRefusedWithTheirPlace) {
    const struct {
        const char* name;
        Bytes bytes, rewritten = {};
        std::string error = "";  // none when read
    } cases[] = {
        {"nothing", {}},
        {"a sign", {'m', 's', 3, 4, 'H', 'i', '$'}},
        {"levers off and on", {'v', 'r', 1, 2, 5, 0, 'v', 'r', 1, 2, 5, 1}},
        {"flags", {'b', 'd', 0, 0, 7, 'p', 'r', 1, 1, 9, 200}, {'b', 'd', 0, 0, 1, 'p', 'r', 1, 1, 9, 1}},
        {"a lone byte after a tile", {'t', 'l', 1, 2, 3, 'g'}, {'t', 'l', 1, 2, 3}},
        {"FF where a code starts", {'g', 'b', 0, 0, 0xFF, 'b', 'g', 'b', 1, 1}, {'g', 'b', 0, 0}},
        {"FF as a code's second", {'g', 'b', 0, 0, 'b', 0xFF, 1, 1}, {'g', 'b', 0, 0}},
        {"a place cut short", {'g', 'b', 0, 0, 'g', 'b', 1}, {}, "record 'gb' at byte 4 is cut off"},
        {"a lever's flag cut off", {'v', 'r', 1, 2, 3}, {}, "record 'vr' at byte 0 is cut off"},
        {"a sign without its $", {'m', 's', 1, 2, 'a'}, {}, "record 'ms' at byte 0 is cut off"},
        {"an unknown code", {'g', 'b', 0, 0, 'z', 'z', 0, 0}, {}, "unknown code 'zz' at byte 4"},
    };
    for (const auto& c : cases) {
        std::vector<LevelRecord> records;
        std::string error;
        EXPECT_EQ(LevelRecords::parse(c.bytes, records, error), c.error.empty()) << c.name;
        if (c.error.empty()) {
            EXPECT_EQ(LevelRecords::write(records), c.rewritten.empty() ? c.bytes : c.rewritten) << c.name;
        }
        EXPECT_EQ(error, c.error) << c.name;
    }
}

}  // namespace
