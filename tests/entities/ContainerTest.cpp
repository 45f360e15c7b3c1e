#include "assets/Draw.h"
#include "assets/Sheet.h"
#include "entities/Avatar.h"
#include "entities/Bag.h"
#include "entities/Container.h"
#include "support/AllegroFixture.h"
#include "support/Scenario.h"
#include "world/World.h"

#include <cstdio>

namespace {

const std::string FLOOR(40, '0');

// A container on the floor at column 10 (its mouth 202..237 across, 480..490 down) and the
// given bags; nothing else moves.
struct ContainerTest : AllegroTest {
    std::unique_ptr<Scenario> scenario;

    void build(const std::string& objects) {
        std::vector<std::string> rows(30);
        rows[25] = FLOOR;
        scenario.reset(new Scenario(scratchFolder(), rows, "container 10 24 1\n" + objects));
        scenario->start("100");
    }
    Container* container() {
        return static_cast<Container*>(scenario->session().world.list(Tags::CONT).front());
    }
    std::vector<Bag*> bags() {
        std::vector<Bag*> found;
        for (Entity* bag : scenario->session().world.list(Tags::GRBG))
            found.push_back(static_cast<Bag*>(bag));
        return found;
    }
    size_t glowing() {
        World& world = scenario->session().world;
        size_t others = 24 + world.list(Tags::TILE).size() + bags().size() + 1;  // clouds and the container
        return world.list(Tags::RNDR).size() - others;
    }
};

// Only the container is updated, so the bag keeps whatever state the test gives it.
TEST_F(ContainerTest, SwallowsOnlyABagInFlightWhoseTestPointIsInTheMouth) {
    World world;
    Container* bin = new Container(Vec(200, 480), 2);
    Bag* bag = new Bag();
    world.add(bin);
    world.add(bag);
    world.reindex();
    auto tryWith = [&](int state, double x) {
        bag->state = state;
        bag->setPos(Vec(x, 470));  // test point 15 below the top: y 485
        bag->lastPos = bag->pos();  // placed, not moved there
        bin->update(0.017);
        return bin->count < 2;
    };
    EXPECT_FALSE(tryWith(Carryable::RESTING, 200));
    EXPECT_FALSE(tryWith(Carryable::CARRIED, 200));
    EXPECT_FALSE(tryWith(Carryable::AIRBORNE, 227)) << "test point on the mouth's right edge, 237";
    EXPECT_TRUE(tryWith(Carryable::AIRBORNE, 192)) << "test point on its left edge, 202";
    world.reindex();
    EXPECT_TRUE(world.list(Tags::GRBG).empty());
    EXPECT_EQ(world.list(Tags::RNDR).size(), 1u + 40) << "the container and its sparks";
}

TEST_F(ContainerTest, ABagFallingPastTheMouthWithinOneFrameIsStillSwallowed) {
    World world;
    Container* bin = new Container(Vec(200, 480), 1);
    Bag* bag = new Bag();
    world.add(bin);
    world.add(bag);
    world.reindex();
    bag->state = Carryable::AIRBORNE;
    bag->lastPos = Vec(200, 464.9);  // test point 479.9: just above the mouth
    bag->setPos(Vec(200, 475.1));    // 490.1: just below it, a 600 px/s frame later
    bin->update(0.017);
    EXPECT_EQ(bin->count, 0);
    bag = new Bag();
    world.add(bag);
    world.reindex();
    bin->count = 1;
    bag->state = Carryable::AIRBORNE;
    bag->lastPos = Vec(150, 464.9);  // passing beside the mouth
    bag->setPos(Vec(150, 475.1));
    bin->update(0.017);
    EXPECT_EQ(bin->count, 1);
}

TEST_F(ContainerTest, OfTwoBagsInOneFrameOnlyTheFirstIsSwallowedWhenOneIsNeeded) {
    build("bag 10 20\nbag 10 20\n");
    scenario->step(40);
    EXPECT_EQ(container()->count, 0);
    EXPECT_EQ(bags().size(), 1u) << "the second falls on and rests";
    EXPECT_EQ(bags()[0]->state, Carryable::RESTING);
    EXPECT_EQ(glowing(), 40u) << "one burst";
}

TEST_F(ContainerTest, ALevelIsWonWhenItsOnlyContainerIsSatisfied) {
    std::vector<std::string> rows(30);
    rows[24] = "@";
    rows[25] = FLOOR;
    Scenario won(scratchFolder(), rows, "container 10 24 1\nbag 10 18\n");
    EXPECT_EQ(won.start("100").play().status, Avatar::Status::WON);
    Scenario satisfied(scratchFolder(), rows, "container 10 24 0\n");
    EXPECT_EQ(satisfied.start("1").play().status, Avatar::Status::WON) << "stored with nothing left to need";
}

// What `draw` leaves on a blue 80 x 60 screen, as a bitmap of the caller's.
template <typename Painter> ALLEGRO_BITMAP* paint(Painter draw) {
    ALLEGRO_BITMAP* screen = al_create_bitmap(80, 60);
    al_set_target_bitmap(screen);
    al_clear_to_color(al_map_rgb(0, 0, 255));
    draw();
    return screen;
}

int differingPixels(ALLEGRO_BITMAP* a, ALLEGRO_BITMAP* b, bool yellowOnly) {
    int count = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) {
            unsigned char ar, ag, ab, br, bg, bb;
            al_unmap_rgb(al_get_pixel(a, x, y), &ar, &ag, &ab);
            al_unmap_rgb(al_get_pixel(b, x, y), &br, &bg, &bb);
            bool differs = ar != br || ag != bg || ab != bb;
            count += differs && (!yellowOnly || (br > 200 && bg > 200 && bb < 60));
        }
    return count;
}

TEST_F(ContainerTest, ShowsTheCountStillNeededOrTheSatisfiedLookWithoutANumber) {
    Container satisfied(Vec(20, 20), 0);
    Container twelve(Vec(20, 20), 12);
    ALLEGRO_BITMAP* frame0 = paint([&] { Draw::bitmap(twelve.sheet->frames[0], 20, 12); });
    ALLEGRO_BITMAP* frame1 = paint([&] { Draw::bitmap(twelve.sheet->frames[1], 20, 12); });
    ALLEGRO_BITMAP* done = paint([&] { satisfied.render(); });
    ALLEGRO_BITMAP* due = paint([&] { twelve.render(); });
    EXPECT_EQ(differingPixels(frame1, done, false), 0) << "frame 1, 8 pixels up, and nothing more";
    EXPECT_GT(differingPixels(frame0, due, true), 10) << "a yellow number over frame 0";
    EXPECT_EQ(Draw::tint().b, 1.0f) << "ordinary blending is restored";
    for (ALLEGRO_BITMAP* bitmap : {frame0, frame1, done, due})
        al_destroy_bitmap(bitmap);
}

TEST_F(ContainerTest, StoresItsCountInOneByteAfterTheCell) {
    FILE* file = std::tmpfile();
    Container(Vec(39.9, 60), 300).save(file);
    EXPECT_EQ(std::ftell(file), 5);
    std::rewind(file);
    EXPECT_EQ(std::fgetc(file), 'c');
    EXPECT_EQ(std::fgetc(file), 't');
    Container loaded(Vec(0, 0), 1);
    loaded.load(file);
    std::fclose(file);
    EXPECT_EQ(loaded.x(), 20);
    EXPECT_EQ(loaded.y(), 60);
    EXPECT_EQ(loaded.count, 300 & 0xFF);
    EXPECT_EQ(loaded.edString(), "container(44)");
    Entity* copy = loaded.clone();
    EXPECT_EQ(static_cast<Container*>(copy)->count, 44);
    EXPECT_EQ(copy->x(), 20) << "a container's copy keeps its place";
    delete copy;
}

} // namespace
