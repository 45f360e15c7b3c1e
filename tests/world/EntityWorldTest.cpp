#include "support/TestEntities.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

std::vector<unsigned char> savedBytes(Entity& entity) {
    std::FILE* file = std::tmpfile();
    entity.save(file);
    std::rewind(file);
    std::vector<unsigned char> bytes;
    for (int c; (c = std::fgetc(file)) != EOF;)
        bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(file);
    return bytes;
}

Probe reload(const std::vector<unsigned char>& bytes) {
    std::FILE* file = std::tmpfile();
    for (unsigned char b : bytes)
        std::fputc(b, file);
    std::rewind(file);
    std::fgetc(file);
    std::fgetc(file);
    Probe loaded;
    loaded.load(file);
    std::fclose(file);
    return loaded;
}

TEST(Entity, PositionsAreStoredAsWholeCellsTruncatedTowardZero) {
    Probe p;
    p.setPos(Vec(39.9, 45));
    EXPECT_EQ(savedBytes(p), (std::vector<unsigned char>{'X', 'X', 1, 2}));
    Probe back = reload(savedBytes(p));
    EXPECT_EQ(back.x(), 20);
    EXPECT_EQ(back.y(), 40);

    p.setPos(Vec(-5, -19.5));
    EXPECT_EQ(savedBytes(p), (std::vector<unsigned char>{'X', 'X', 0, 0}));
    p.setPos(Vec(39, 0));
    EXPECT_EQ(savedBytes(p)[2], 1);
    p.setPos(Vec(45 * 20, 255 * 20));  // outside the field: kept, it is the editor's business
    EXPECT_EQ(reload(savedBytes(p)).x(), 900);
    EXPECT_EQ(reload(savedBytes(p)).y(), 5100);
}

TEST(Entity, BaseDefaults) {
    Entity e;
    EXPECT_STREQ(e.code(), "XX");
    EXPECT_EQ(e.indices()[0], 0);
    EXPECT_EQ(e.clone(), nullptr);
    EXPECT_EQ(e.edString(), "");
    Rect box = e.bbox();
    EXPECT_EQ(box.x1 + box.y1 + box.x2 + box.y2, 0);
    EXPECT_EQ(e.x(), 0);
    Entity later;
    EXPECT_GT(e.order(Tags::ENTT), 480600);
    EXPECT_NE(e.order(Tags::ENTT), later.order(Tags::ENTT));
}

TEST(Entity, TagsSpellTheirNameInMemory) {
    EXPECT_EQ(static_cast<unsigned>(Tags::RNDR), 0x72646E72u);
    EXPECT_EQ(static_cast<unsigned>(Tags::ENTT), 0x74746E65u);
}

TEST(Rect, LeftAndTopInclusiveRightAndBottomExclusive) {
    Rect r(0, 0, 20, 20);
    EXPECT_TRUE(r.contains(0, 0));
    EXPECT_TRUE(r.contains(19.99, 19.99));
    EXPECT_FALSE(r.contains(20, 10));
    EXPECT_FALSE(r.contains(10, 20));
    EXPECT_FALSE(r.contains(-0.01, 5));
}

TEST(World, NothingIsVisibleBeforeTheReindex) {
    World world;
    Probe* p = new Probe();
    world.add(p);
    EXPECT_EQ(world.entity(Tags::DYNA), nullptr);
    EXPECT_EQ(p->world, nullptr);
    world.reindex();
    EXPECT_EQ(world.entity(Tags::DYNA), p);
    EXPECT_EQ(p->world, &world);
}

TEST(World, EqualLayersKeepTheOrderOfAddition) {
    World world;
    Probe *a = new Probe(50), *b = new Probe(50), *front = new Probe(40);
    world.add(a);
    world.add(b);
    world.add(front);
    world.reindex();
    EXPECT_EQ(world.list(Tags::RNDR), (World::List{front, a, b}));
    World other;
    Probe *c = new Probe(50), *d = new Probe(50);
    other.add(d);
    other.add(c);
    other.reindex();
    EXPECT_EQ(other.list(Tags::RNDR), (World::List{d, c}));
}

TEST(World, SignsComeFirstInTheAllEntitiesListByColumnThenRow) {
    World world;
    Probe* plain = new Probe();
    Probe *lowerLeft = new Probe(), *upperLeft = new Probe(), *right = new Probe();
    for (Probe* sign : {lowerLeft, upperLeft, right})
        sign->signLike = true;
    lowerLeft->setPos(Vec(20, 100));
    upperLeft->setPos(Vec(20, 40));
    right->setPos(Vec(5100, 5100));  // the farthest a level file can put one, far off the screen
    world.add(plain);
    world.add(right);
    world.add(lowerLeft);
    world.add(upperLeft);
    world.reindex();
    EXPECT_EQ(world.list(Tags::ENTT), (World::List{upperLeft, lowerLeft, right, plain}));
    EXPECT_EQ(world.list(Tags::DYNA), (World::List{plain, right, lowerLeft, upperLeft}));
}

TEST(World, DiscardsDuringAWalkWaitForTheReindex) {
    World world;
    int destroyed = 0;
    for (int i = 0; i < 4; ++i)
        world.add(new Probe(50, &destroyed));
    world.reindex();
    for (Entity* e : world.list(Tags::DYNA)) {
        e->discard();
        world.add(new Probe(60));
    }
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(world.list(Tags::DYNA).size(), 4u);
    world.reindex();
    EXPECT_EQ(destroyed, 4);
    EXPECT_EQ(world.list(Tags::DYNA).size(), 4u);
    for (Entity* e : world.list(Tags::RNDR))
        EXPECT_EQ(e->order(Tags::RNDR), 60);
}

TEST(World, RemovingAnUnfiledEntityDestroysItAndChangesNoList) {
    World world;
    int destroyed = 0;
    Probe* kept = new Probe();
    world.add(kept);
    world.reindex();
    world.remove(new Probe(50, &destroyed));
    world.reindex();
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(world.list(Tags::ENTT), (World::List{kept}));
}

TEST(World, EntityWithoutTagsIsNeverLinked) {
    World world;
    Entity* loner = new Entity();
    world.add(loner);
    world.reindex();
    EXPECT_EQ(loner->world, nullptr);
    EXPECT_TRUE(world.list(Tags::ENTT).empty());
    delete loner;
}

TEST(World, DestroysWhatIsStillFiledWithIt) {
    int destroyed = 0;
    {
        World world;
        world.add(new Probe(50, &destroyed));
        world.reindex();
        world.add(new Probe(50, &destroyed));
    }
    EXPECT_EQ(destroyed, 2);
}

TEST(World, RemoveElementDeletesEveryOccurrence) {
    std::vector<int> values = {1, 2, 1, 3, 1};
    remove_element(values, 1);
    EXPECT_EQ(values, (std::vector<int>{2, 3}));
}

} // namespace
