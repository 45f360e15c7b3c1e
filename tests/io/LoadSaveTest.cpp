#include "core/AtomicFile.h"
#include "io/LoadSave.h"
#include "support/AllegroFixture.h"
#include "support/ChildProcess.h"
#include "support/TestEntities.h"
#include "world/Tile.h"
#include "world/World.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Level files through the game's reader and writer; tiles stand for every registered kind.
struct LoadSaveTest : AllegroTest {
    World world;
    std::string path;

    void SetUp() override {
        AllegroTest::SetUp();
        provideTileSheet(scratchFolder());
        path = scratchFolder() + "/level.lv";
    }
    void TearDown() override {
        clearWorld();
        AllegroTest::TearDown();
    }
    void clearWorld() {
        for (Entity* tile : world.list(Tags::TILE))
            delete tile;  // a world leaves its tiles to the level grid, and there is none here
        world.indexMap.clear();
    }
    // The file's entities, in a world that held nothing before.
    std::vector<Tile*> loaded(const Bytes& bytes) {
        clearWorld();
        EXPECT_TRUE(AtomicFile::write(path, bytes));
        LoadSave().load(path.c_str(), &world);
        world.reindex();
        std::vector<Tile*> tiles;
        for (Entity* entity : world.list(Tags::ENTT))
            tiles.push_back(dynamic_cast<Tile*>(entity));
        return tiles;
    }
    Bytes saved() {
        LoadSave().save(path.c_str(), &world);
        Bytes bytes;
        EXPECT_TRUE(AtomicFile::read(path, bytes));
        return bytes;
    }
};

TEST_F(LoadSaveTest, EmptyFileGivesEmptyWorld) {
    EXPECT_TRUE(loaded({}).empty());
}

TEST_F(LoadSaveTest, TilesRoundTripInFileOrder) {
    Bytes bytes = {'t', 'l', 5, 6, 3, 't', 'l', 0, 29, 15, 't', 'l', 39, 0, 0};
    std::vector<Tile*> tiles = loaded(bytes);
    ASSERT_EQ(tiles.size(), 3u);
    EXPECT_EQ(tiles[0]->x(), 100);
    EXPECT_EQ(tiles[0]->y(), 120);
    EXPECT_EQ(tiles[0]->type, 3);
    EXPECT_EQ(tiles[1]->type, 15);
    EXPECT_EQ(saved(), bytes);
}

TEST_F(LoadSaveTest, PositionsAreWrittenInWholeCells) {
    Tile* tile = new Tile(2, nullptr, 0, 0);
    tile->setPos({39, 59});
    world.add(tile);
    world.reindex();
    EXPECT_EQ(saved(), (Bytes{'t', 'l', 1, 2, 2}));
}

TEST_F(LoadSaveTest, EndOfFileInsideACodeOrARecordKeepsTheWholeRecordsBefore) {
    EXPECT_EQ(loaded({'t', 'l', 1, 1, 1, 't'}).size(), 1u);
    EXPECT_EQ(loaded({'t', 'l', 1, 1}).size(), 0u) << "a record cut inside its payload is dropped";
    EXPECT_EQ(loaded({'t', 'l', 2, 2, 2, 0xFF, 't', 'l', 3, 3, 3}).size(), 1u) << "0xFF ends the records";
}

TEST_F(LoadSaveTest, UnknownCodeIsFatalWithItsCharacters) {
    ASSERT_TRUE(AtomicFile::write(path, {'t', 'l', 1, 1, 1, 'q', 'z', 0, 0}));
    ChildResult result = runInChild([&] { LoadSave().load(path.c_str(), &world); });
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.output, "UNMAPPABLE 'qz'!!!\n");
}

TEST_F(LoadSaveTest, UnopenableFilesAreFatalForReadAndWrite) {
    std::string missing = scratchFolder() + "/no/such.lv";
    ChildResult load = runInChild([&] { LoadSave().load(missing.c_str(), &world); });
    EXPECT_EQ(load.exitStatus, 1);
    EXPECT_EQ(load.output, "CANNOT OPEN '" + missing + "'!!!\n");
    ChildResult save = runInChild([&] { LoadSave().save(missing.c_str(), &world); });
    EXPECT_EQ(save.exitStatus, 1);
    EXPECT_EQ(save.output, "CANNOT OPEN '" + missing + "'!!!\n");
}

} // namespace
