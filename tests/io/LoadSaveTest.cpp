#include "io/LoadSave.h"
#include "support/AllegroFixture.h"
#include "support/ChildProcess.h"
#include "support/Files.h"
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
    // The file's entities as (x, y, type), in a world that held nothing before.
    std::vector<std::array<int, 3>> loaded(const Bytes& bytes) {
        clearWorld();
        writeBytes(path, bytes);
        LoadSave().load(path.c_str(), &world);
        world.reindex();
        std::vector<std::array<int, 3>> tiles;
        for (Entity* entity : world.list(Tags::ENTT))
            tiles.push_back({int(entity->x()), int(entity->y()), static_cast<Tile*>(entity)->type});
        return tiles;
    }
    Bytes saved() {
        LoadSave().save(path.c_str(), &world);
        return fileBytes(path);
    }
};

// A record cut by the end of the file is dropped with all after it, as is everything after a byte FF
// where a code starts.
TEST_F(LoadSaveTest, RecordsLoadInFileOrderUpToTheEndOrAByteFF) {
    using Tiles = std::vector<std::array<int, 3>>;
    EXPECT_EQ(loaded({}), Tiles{});
    Bytes three = {'t', 'l', 5, 6, 3, 't', 'l', 0, 29, 15, 't', 'l', 39, 0, 0};
    EXPECT_EQ(loaded(three), (Tiles{{100, 120, 3}, {0, 580, 15}, {780, 0, 0}}));
    EXPECT_EQ(saved(), three);
    EXPECT_EQ(loaded({'t', 'l', 1, 1, 1, 't'}), (Tiles{{20, 20, 1}}));
    EXPECT_EQ(loaded({'t', 'l', 1, 1}), Tiles{});
    EXPECT_EQ(loaded({'t', 'l', 2, 2, 2, 0xFF, 't', 'l', 3, 3, 3}), (Tiles{{40, 40, 2}}));
    EXPECT_EQ(loaded({'t', 'l', 2, 2, 2, 't', 0xFF, 3, 3, 3}), (Tiles{{40, 40, 2}}));
    EXPECT_EQ(loaded({'t', 'l', 1, 1, 1, 'm', 's', 1, 1, 'a', 'b'}).size(), 1u) << "a sign without its end";
    clearWorld();
    Tile* tile = new Tile(2, nullptr, 0, 0);
    tile->setPos({39, 59});
    world.add(tile);
    world.reindex();
    EXPECT_EQ(saved(), (Bytes{'t', 'l', 1, 2, 2})) << "positions are written in whole cells";
}

TEST_F(LoadSaveTest, UnknownCodesAndUnopenableFilesAreFatal) {
    writeBytes(path, {'t', 'l', 1, 1, 1, 'q', 'z', 0, 0});
    std::string missing = scratchFolder() + "/no/such.lv";
    ChildResult unknown = runInChild([&] { LoadSave().load(path.c_str(), &world); });
    ChildResult load = runInChild([&] { LoadSave().load(missing.c_str(), &world); });
    ChildResult save = runInChild([&] { LoadSave().save(missing.c_str(), &world); });
    EXPECT_EQ(unknown.output, "UNMAPPABLE 'qz'!!!\n");
    EXPECT_EQ(load.output, "CANNOT OPEN '" + missing + "'!!!\n");
    EXPECT_EQ(save.output, "CANNOT OPEN '" + missing + "'!!!\n");
    for (const ChildResult& result : {unknown, load, save})
        EXPECT_EQ(result.exitStatus, 1);
}

} // namespace
