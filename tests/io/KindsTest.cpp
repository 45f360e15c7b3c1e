#include "io/Kinds.h"
#include "io/LevelRecord.h"
#include "support/AllegroFixture.h"
#include "support/TestEntities.h"
#include "world/Entity.h"
#include "world/IndexTag.h"

#include <cstdio>
#include <memory>
#include <set>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes saved(Entity& entity) {
    std::FILE* file = std::tmpfile();
    entity.save(file);
    std::rewind(file);
    Bytes bytes;
    for (int byte = std::fgetc(file); byte != EOF; byte = std::fgetc(file))
        bytes.push_back(static_cast<uint8_t>(byte));
    std::fclose(file);
    return bytes;
}

std::vector<int> tagList(const int* tags) {
    std::vector<int> list;
    for (; *tags; ++tags)
        list.push_back(*tags);
    return list;
}

// Each row of the kinds table against the objects its prototype and palette entries make.
struct KindsTest : AllegroTest {
    void SetUp() override {
        AllegroTest::SetUp();
        provideTileSheet(scratchFolder());
    }
};

TEST_F(KindsTest, EveryPrototypeSavesARecordOfItsRowsCodeAndPayloadAndIsFoundByIt) {
    std::set<std::string> codes, keywords;
    for (const Kind* const* row = Kinds::all(); *row; ++row) {
        const Kind& kind = **row;
        EXPECT_TRUE(codes.insert(kind.code).second && keywords.insert(kind.keyword).second) << kind.code;
        EXPECT_EQ(Kinds::byCode(kind.code), &kind);
        EXPECT_EQ(Kinds::byKeyword(kind.keyword), &kind);
        std::unique_ptr<Entity> prototype(kind.prototype());
        Bytes bytes = saved(*prototype);
        std::vector<LevelRecord> records;
        std::string error;
        ASSERT_TRUE(LevelRecords::parse(bytes, records, error)) << kind.code << ": " << error;
        ASSERT_EQ(records.size(), 1u) << kind.code;
        EXPECT_EQ(records[0].kind, &kind);
        size_t payload = records[0].isSign() ? records[0].text.size() + 1 : kind.payloadBytes();
        EXPECT_EQ(bytes.size(), 4 + payload) << kind.code;
        EXPECT_EQ(LevelRecords::write(records), bytes) << kind.code;
        records[0].value = records[0].on = 1;  // every setting set: read back as written
        records[0].text = records[0].isSign() ? "Hi" : "";
        Bytes full = LevelRecords::write(records);
        ASSERT_TRUE(LevelRecords::parse(full, records, error)) << kind.code << ": " << error;
        EXPECT_EQ(LevelRecords::write(records), full) << kind.code;
        EXPECT_EQ(full.size(), bytes.size() + (records[0].isSign() ? 2 : 0)) << kind.code;
    }
    EXPECT_EQ(Kinds::byCode("XX"), nullptr);
    EXPECT_EQ(Kinds::byKeyword("particle"), nullptr);
}

TEST_F(KindsTest, EveryPaletteEntryIsItsRowsClassUnderItsLabel) {
    size_t entries = 0;
    for (const Kind* const* row = Kinds::all(); *row; ++row) {
        const Kind& kind = **row;
        Kind::Palette palette;
        kind.addToPalette(palette);
        entries += palette.size();
        for (auto& entry : palette) {
            EXPECT_STREQ(entry->code(), kind.code);
            EXPECT_EQ(entry->edString().rfind(kind.label, 0), 0u) << entry->edString() << " under " << kind.label;
            EXPECT_EQ(entry->order(Tags::RNDR), kind.layer) << kind.code;
            EXPECT_EQ(tagList(entry->indices()), tagList(kind.tags)) << kind.code;
            std::unique_ptr<Entity> copy(entry->clone());
            EXPECT_EQ(saved(*copy), saved(*entry)) << entry->edString();
        }
    }
    EXPECT_EQ(entries, 40u);
}

} // namespace
