#include "io/LoadSave.h"
#include "io/Kinds.h"
#include "io/LevelRecord.h"
#include "support/AllegroFixture.h"
#include "support/ChildProcess.h"
#include "support/Files.h"
#include "support/TestEntities.h"
#include "world/Tile.h"
#include "world/World.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Tiles = std::vector<std::array<int, 3>>;  // x, y, type

// Level files through the game's own reader and writer; tiles stand for every kind.
struct LoadSaveTest : AllegroTest {
    World world;
    std::string path;

    void SetUp() override {
        AllegroTest::SetUp();
        provideTileSheet(scratchFolder());
        path = scratchFolder() + "/level.lv";
    }
    ~LoadSaveTest() override { clearWorld(); }
    void clearWorld() {
        for (Entity* entity : world.list(Tags::ENTT))
            delete entity;  // a world leaves its tiles to the level grid, and there is none here
        world.indexMap.clear();
    }
};

// The game forgives what the level tool refuses: a record cut by the end of the file is dropped with
// all after it, as is everything from a byte FF in a code. Positions are written in whole cells.
TEST_F(LoadSaveTest, RecordsLoadInFileOrderUpToTheEndOrAByteFFAndSaveAsRead) {
    const std::pair<Bytes, Tiles> cases[] = {
        {{}, {}},
        {{'t', 'l', 5, 6, 3, 't', 'l', 39, 29, 15}, {{100, 120, 3}, {780, 580, 15}}},
        {{'t', 'l', 1, 1}, {}},
        {{'t', 'l', 2, 2, 2, 0xFF, 't', 'l', 3, 3, 3}, {{40, 40, 2}}},
        {{'t', 'l', 2, 2, 2, 't', 0xFF, 3, 3, 3}, {{40, 40, 2}}},
        {{'t', 'l', 2, 2, 2, 'm', 's', 1, 1, 'a', 'b'}, {{40, 40, 2}}},
    };
    for (const auto& [bytes, expected] : cases) {
        clearWorld();
        writeBytes(path, bytes);
        LoadSave().load(path.c_str(), &world);
        world.reindex();
        Tiles tiles;
        for (Entity* entity : world.list(Tags::ENTT))
            tiles.push_back({int(entity->x()), int(entity->y()), static_cast<Tile*>(entity)->type});
        EXPECT_EQ(tiles, expected) << bytes.size() << " bytes";
    }
    LoadSave().save(path.c_str(), &world);
    EXPECT_EQ(fileBytes(path), (Bytes{'t', 'l', 2, 2, 2}));
    world.list(Tags::TILE)[0]->setPos({59, 39});
    LoadSave().save(path.c_str(), &world);
    EXPECT_EQ(fileBytes(path), (Bytes{'t', 'l', 2, 1, 2}));
}

// Every value set, so that a byte read into the wrong field or not read at all shows.
TEST_F(LoadSaveTest, EveryKindsRecordIsSavedAsItWasRead) {
    for (const Kind* const* kind = Kinds::all(); *kind; ++kind) {
        Bytes bytes = LevelRecords::write({{*kind, 7, 9, 1, true, "Hi"}});
        clearWorld();
        writeBytes(path, bytes);
        LoadSave().load(path.c_str(), &world);
        world.reindex();
        LoadSave().save(path.c_str(), &world);
        EXPECT_EQ(fileBytes(path), bytes) << (*kind)->code;
    }
}

TEST_F(LoadSaveTest, UnknownCodesAndUnopenableFilesAreFatal) {
    writeBytes(path, {'t', 'l', 1, 1, 1, 'q', 'z', 0, 0});
    std::string gone = scratchFolder() + "/no/such.lv";
    const std::pair<ChildResult, std::string> cases[] = {
        {runInChild([&] { LoadSave().load(path.c_str(), &world); }), "UNMAPPABLE 'qz'!!!\n"},
        {runInChild([&] { LoadSave().load(gone.c_str(), &world); }), "CANNOT OPEN '" + gone + "'!!!\n"},
        {runInChild([&] { LoadSave().save(gone.c_str(), &world); }), "CANNOT OPEN '" + gone + "'!!!\n"},
    };
    for (const auto& [result, output] : cases) {
        EXPECT_EQ(result.output, output);
        EXPECT_EQ(result.exitStatus, 1) << output;
    }
}

}  // namespace
