#include "world/World.h"
#include "support/TestEntities.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Drawing is by layer, ties kept in the order of addition; the all-entities list is by identity, the
// order of making, but signs come first by 600 x column + row: the farthest a level file can put one,
// (5100, 5100), still sorts before every other entity's identity.
TEST(World, FilesAtTheReindexByLayerAndSignsFirstByColumnThenRow) {
    World world;
    Probe *b = new Probe(50), *a = new Probe(50), *front = new Probe(40), *lowerLeft = new Probe(60),
          *upperLeft = new Probe(60), *far = new Probe(60);
    for (auto [sign, x, y] : {std::tuple{lowerLeft, 20, 100}, {upperLeft, 20, 40}, {far, 5100, 5100}}) {
        sign->signLike = true;
        sign->setPos(Vec(x, y));
    }
    for (Entity* entity : World::List{a, b, front, far, lowerLeft, upperLeft})
        world.add(entity);
    EXPECT_TRUE(world.entity(Tags::DYNA) == nullptr && a->world == nullptr) << "nothing filed before it";
    world.reindex();
    EXPECT_EQ(world.list(Tags::RNDR), (World::List{front, a, b, far, lowerLeft, upperLeft}));
    EXPECT_EQ(world.list(Tags::ENTT), (World::List{upperLeft, lowerLeft, far, b, a, front}));
    EXPECT_EQ(std::pair(a->world, world.entity(Tags::DYNA)), std::pair(&world, static_cast<Entity*>(a)));
}

TEST(World, RemovalsWaitForTheReindexAndTheWorldDestroysWhatItStillHolds) {
    int destroyed = 0;
    {
        World world;
        for (int i = 0; i < 4; ++i)
            world.add(new Probe(50, &destroyed));
        world.reindex();
        for (Entity* entity : world.list(Tags::DYNA)) {
            entity->discard();
            entity->discard();  // twice in one frame, deleted once
            world.add(new Probe(60, &destroyed));
        }
        EXPECT_EQ(std::pair(destroyed, world.list(Tags::DYNA).size()), std::pair(0, size_t(4)));
        world.reindex();
        EXPECT_EQ(std::pair(destroyed, world.list(Tags::RNDR).front()->order(Tags::RNDR)), std::pair(4, 60));
        world.remove(new Probe(50, &destroyed));  // never filed: destroyed, no list changed
        world.reindex();
        EXPECT_EQ(std::pair(destroyed, world.list(Tags::ENTT).size()), std::pair(5, size_t(4)));
        world.add(new Probe(50, &destroyed));
    }
    EXPECT_EQ(destroyed, 10) << "the filed and the waiting";
}

}  // namespace
