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

// Each row of the kinds table against the objects its prototype and palette entries make.
struct KindsTest : AllegroTest {
    void SetUp() override {
        AllegroTest::SetUp();
        provideTileSheet(scratchFolder());
    }
    static Bytes saved(Entity& entity) {
        std::FILE* file = std::tmpfile();
        entity.save(file);
        std::rewind(file);
        Bytes bytes;
        for (int byte = std::fgetc(file); byte != EOF; byte = std::fgetc(file))
            bytes.push_back(static_cast<uint8_t>(byte));
        std::fclose(file);
        return bytes;
    }
    static std::vector<int> tagList(const int* tags) {
        std::vector<int> list;
        for (; *tags; ++tags)
            list.push_back(*tags);
        return list;
    }
};

TEST_F(KindsTest, EveryPrototypeSavesARecordOfItsRowsCodeAndPayloadLength) {
    for (const Kind* const* row = Kinds::all(); *row; ++row) {
        const Kind& kind = **row;
        std::unique_ptr<Entity> prototype(kind.prototype());
        Bytes bytes = saved(*prototype);
        std::vector<LevelRecord> records;
        std::string error;
        ASSERT_TRUE(LevelRecords::parse(bytes, records, error)) << kind.code << ": " << error;
        ASSERT_EQ(records.size(), 1u) << kind.code;
        EXPECT_STREQ(records[0].kind->code, kind.code);
        size_t payload = records[0].isSign() ? records[0].text.size() + 1 : kind.payloadBytes();
        EXPECT_EQ(bytes.size(), 4 + payload) << kind.code;
        EXPECT_EQ(LevelRecords::write(records), bytes) << kind.code;
    }
}

TEST_F(KindsTest, EveryPaletteEntryIsItsRowsClassUnderItsLabel) {
    size_t entries = 0;
    for (const Kind* const* row = Kinds::all(); *row; ++row) {
        const Kind& kind = **row;
        Kind::Palette palette;
        kind.addToPalette(palette);
        ASSERT_FALSE(palette.empty()) << kind.code;
        entries += palette.size();
        for (auto& entry : palette) {
            EXPECT_STREQ(entry->code(), kind.code);
            EXPECT_EQ(entry->edString().rfind(kind.label, 0), 0u)
                << entry->edString() << " under " << kind.label;
            EXPECT_EQ(entry->order(Tags::RNDR), kind.layer) << kind.code;
            EXPECT_EQ(tagList(entry->indices()), tagList(kind.tags)) << kind.code;
            std::unique_ptr<Entity> copy(entry->clone());
            EXPECT_EQ(saved(*copy).size(), saved(*entry).size()) << entry->edString();
        }
    }
    EXPECT_EQ(entries, 40u);
}

TEST(KindsLookupTest, CodesAndKeywordsNameOneRowEach) {
    std::set<std::string> codes, keywords;
    for (const Kind* const* row = Kinds::all(); *row; ++row) {
        EXPECT_TRUE(codes.insert((*row)->code).second) << (*row)->code;
        EXPECT_TRUE(keywords.insert((*row)->keyword).second) << (*row)->keyword;
        EXPECT_EQ(Kinds::byCode((*row)->code), *row);
        EXPECT_EQ(Kinds::byKeyword((*row)->keyword), *row);
    }
    EXPECT_EQ(Kinds::byCode("XX"), nullptr);
    EXPECT_EQ(Kinds::byKeyword("particle"), nullptr);
}

} // namespace
