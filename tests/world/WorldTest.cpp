#include "support/TestEntities.h"
#include "world/World.h"

#include <gtest/gtest.h>

namespace {

// Ties keep the order of addition, not of making (identity).
TEST(World, FilesAtTheReindexByLayerKeepingTheOrderOfAddition) {
    World world;
    Probe *b = new Probe(50), *a = new Probe(50), *front = new Probe(40);
    Entity* untagged = new Entity();
    for (Entity* entity : std::vector<Entity*>{a, b, front, untagged})
        world.add(entity);
    EXPECT_EQ(world.entity(Tags::DYNA), nullptr);
    EXPECT_EQ(a->world, nullptr);
    world.reindex();
    EXPECT_EQ(a->world, &world);
    EXPECT_EQ(world.list(Tags::RNDR), (World::List{front, a, b}));
    EXPECT_EQ(world.entity(Tags::DYNA), a);
    EXPECT_EQ(untagged->world, nullptr) << "an entity without lists is never filed";
    EXPECT_EQ(world.list(Tags::ENTT).size(), 3u);
    delete untagged;
}

// Sign keys are 600 x column + row: the farthest a level file can put one, (5100, 5100), still
// sorts before every other entity's identity.
TEST(World, SignsComeFirstInTheAllEntitiesListByColumnThenRow) {
    World world;
    Probe *plain = new Probe(), *lowerLeft = new Probe(), *upperLeft = new Probe(), *far = new Probe();
    for (Probe* sign : {lowerLeft, upperLeft, far})
        sign->signLike = true;
    lowerLeft->setPos(Vec(20, 100));
    upperLeft->setPos(Vec(20, 40));
    far->setPos(Vec(5100, 5100));
    for (Probe* probe : {plain, far, lowerLeft, upperLeft})
        world.add(probe);
    world.reindex();
    EXPECT_EQ(world.list(Tags::ENTT), (World::List{upperLeft, lowerLeft, far, plain}));
    EXPECT_EQ(world.list(Tags::DYNA), (World::List{plain, far, lowerLeft, upperLeft}));
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
        EXPECT_EQ(destroyed, 0);
        EXPECT_EQ(world.list(Tags::DYNA).size(), 4u);
        world.reindex();
        EXPECT_EQ(destroyed, 4);
        for (Entity* entity : world.list(Tags::RNDR))
            EXPECT_EQ(entity->order(Tags::RNDR), 60);
        world.remove(new Probe(50, &destroyed));  // never filed: destroyed, no list changed
        world.reindex();
        EXPECT_EQ(destroyed, 5);
        EXPECT_EQ(world.list(Tags::ENTT).size(), 4u);
        world.add(new Probe(50, &destroyed));
    }
    EXPECT_EQ(destroyed, 10) << "the filed and the waiting";
}

} // namespace
