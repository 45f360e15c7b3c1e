#include "assets/Sheet.h"
#include "entities/Lever.h"
#include "support/AllegroFixture.h"
#include "support/TestEntities.h"
#include "world/Tile.h"
#include "world/World.h"

#include <cstdio>
#include <vector>

namespace {

const int AVATAR_TAGS[] = {Tags::ENTT, Tags::AVAT, 0};
const int BAG_TAGS[] = {Tags::ENTT, Tags::GRBG, 0};

// Something with the avatar's or a bag's box and lists, placed by hand.
struct Toucher : Body {
    const int* tags;
    explicit Toucher(const int* tags) : tags(tags) { box = Rect(1, 2, 19, 20); }
    const int* indices() override { return tags; }
};

struct LeverTest : AllegroTest {
    World world;
    unsigned char saved[Tile::TYPES];

    void SetUp() override {
        AllegroTest::SetUp();
        provideTileSheet(scratchFolder());
        std::copy(Tile::sTypePresent, Tile::sTypePresent + Tile::TYPES, saved);
    }
    void TearDown() override {
        std::copy(saved, saved + Tile::TYPES, Tile::sTypePresent);
        AllegroTest::TearDown();
    }
    template <typename T> T* place(T* entity, double x, double y) {
        entity->setPos(Vec(x, y));
        world.add(entity);
        world.reindex();
        return entity;
    }
    Lever* lever(int channel, bool on) { return place(new Lever(channel, on), 200, 200); }
    Toucher* avatar(double x) { return place(new Toucher(AVATAR_TAGS), x, 200); }
    Toucher* bag(double x) { return place(new Toucher(BAG_TAGS), x, 200); }
    void step() {
        for (Entity* e : world.list(Tags::DYNA))
            e->update(0.017);
        world.reindex();
    }
};

const double AWAY = 300;

TEST_F(LeverTest, StoredOffRemovesItsGroupInTheFirstUpdateOnly) {
    lever(2, false);
    EXPECT_TRUE(Tile::present(2));
    step();
    EXPECT_FALSE(Tile::present(2));
    EXPECT_TRUE(Tile::present(1));
}

TEST_F(LeverTest, OneTouchFlipsOnceAndTouchingAgainFlipsAgain) {
    Lever* l = lever(3, true);
    Toucher* a = avatar(195);
    for (int i = 0; i < 5; ++i)
        step();
    EXPECT_FALSE(l->on);
    EXPECT_FALSE(Tile::present(3));
    EXPECT_EQ(l->holder, a);
    a->setX(AWAY);
    step();
    EXPECT_EQ(l->holder, nullptr);
    EXPECT_FALSE(l->on);
    a->setX(195);
    step();
    EXPECT_TRUE(l->on);
    EXPECT_TRUE(Tile::present(3));
}

TEST_F(LeverTest, TouchPointIsTheCentreWithTheBoxRightEdgeExcluded) {
    Lever* l = lever(3, true);
    Toucher* a = avatar(191);  // box 192..210: the centre 210 is on its right edge
    step();
    EXPECT_TRUE(l->on);
    a->setX(191.5);  // box 192.5..210.5 now holds the centre
    step();
    EXPECT_FALSE(l->on);
}

TEST_F(LeverTest, AvatarAndBagArrivingTogetherFlipItOnceForTheAvatar) {
    Lever* l = lever(4, false);
    Toucher* a = avatar(195);
    bag(192);
    step();
    EXPECT_TRUE(l->on);
    EXPECT_EQ(l->holder, a);
}

TEST_F(LeverTest, BagLyingOnItTakesOverWhenTheAvatarStepsOff) {
    Lever* l = lever(4, false);
    Toucher* a = avatar(195);
    step();
    Toucher* b = bag(192);
    step();
    EXPECT_TRUE(l->on);
    a->setX(AWAY);
    step();
    EXPECT_FALSE(l->on);
    EXPECT_EQ(l->holder, b);
}

TEST_F(LeverTest, HolderThatLeftTheWorldFreesIt) {
    Lever* l = lever(4, false);
    Toucher* b = bag(192);
    step();
    EXPECT_EQ(l->holder, b);
    b->discard();  // swallowed by a container; deleted at this re-index
    world.reindex();
    step();
    EXPECT_EQ(l->holder, nullptr);
    EXPECT_TRUE(l->on);
    avatar(195);
    step();
    EXPECT_FALSE(l->on);
}

TEST_F(LeverTest, TwoLeversOnOneChannelFollowTheOneUpdatedLast) {
    lever(5, true);
    Lever* last = lever(5, false);
    step();
    EXPECT_FALSE(Tile::present(5));
    last->on = true;
    step();
    EXPECT_TRUE(Tile::present(5));
}

TEST_F(LeverTest, ChannelOutsideTheTableWritesNothing) {
    lever(16, false);
    lever(255, false);
    lever(-1, false);
    step();
    for (int type = 0; type < Tile::TYPES; ++type)
        EXPECT_EQ(Tile::sTypePresent[type], saved[type]) << type;
}

TEST_F(LeverTest, RecordKeepsChannelAndCurrentPosition) {
    Lever* l = lever(7, false);
    avatar(195);
    step();  // now on
    std::FILE* file = std::tmpfile();
    l->save(file);
    std::rewind(file);
    std::vector<int> bytes;
    for (int c; (c = std::fgetc(file)) != EOF;)
        bytes.push_back(c);
    EXPECT_EQ(bytes, (std::vector<int>{'v', 'r', 10, 10, 7, 1}));
    std::FILE* read = std::tmpfile();
    for (int c : {3, 4, 9, 0x80})
        std::fputc(c, read);
    std::rewind(read);
    Lever loaded(0, false);
    loaded.load(read);
    EXPECT_EQ(loaded.channel, 9);
    EXPECT_TRUE(loaded.on);  // any non-zero byte is on
    EXPECT_EQ(loaded.x(), 60);
    std::fclose(file);
    std::fclose(read);
}

TEST_F(LeverTest, IdentityAndCloneFromSettingsOnly) {
    Lever* l = lever(2, true);
    avatar(195);
    step();
    EXPECT_EQ(l->edString(), "lever(2,off)");
    Lever* copy = static_cast<Lever*>(l->clone());
    EXPECT_EQ(copy->channel, 2);
    EXPECT_FALSE(copy->on);
    EXPECT_EQ(copy->holder, nullptr);
    EXPECT_EQ(copy->x(), 0);
    EXPECT_STREQ(copy->code(), "vr");
    EXPECT_EQ(copy->order(Tags::RNDR), 35);
    EXPECT_TRUE(copy->bbox().x2 == 0 && copy->bbox().y2 == 0);
    delete copy;
}

TEST_F(LeverTest, DrawsFrameEightWhenOnAndSevenWhenOff) {
    Lever* l = lever(2, true);
    for (bool on : {true, false}) {
        l->on = on;
        ALLEGRO_BITMAP* canvas = target(400, 400, al_map_rgb(0, 0, 0));
        l->render();
        unsigned char r, g, b;
        al_unmap_rgb(al_get_pixel(l->sheet->frames[on ? 8 : 7], 10, 10), &r, &g, &b);
        expectPixel(canvas, 210, 210, r, g, b);
        al_set_target_bitmap(canvas);
    }
}

} // namespace
