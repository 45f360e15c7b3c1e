#include "entities/ForceField.h"
#include "entities/Garbage.h"
#include "entities/Lever.h"
#include "entities/Message.h"
#include "entities/PopUp.h"
#include "entities/Spikes.h"
#include "entities/Stage.h"
#include "world/Tile.h"

namespace {

using HazardTest = StageTest;

// The avatar at x = 200 runs right into a hazard in the cell at x = 240, whose left end kills.
TEST_F(HazardTest, RunningIntoAHazardKillsAtItsFirstTouch) {
    struct Case {
        const char* name;
        const char* row24;
        const char* reason;
    };
    const Case cases[] = {{"spikes", "..........@.^", "ate some spiky death"},
                          {"a beam", "..........@.-", "got baked by a force field"}};
    for (const Case& c : cases) {
        stage({{24, c.row24}}, "", "60 right").play().play();
        EXPECT_EQ(avatar()->reason, c.reason) << c.name;
        EXPECT_GT(avatar()->x() + 19, 240) << c.name;
        EXPECT_LE(avatar()->x() + 19, 240 + 200 * 0.017) << c.name;
    }
}

// A hazard at (100, 100) kills at three points: for spikes along y = 118 at x = 100, 110 and 120,
// for a beam along its middle line and at its ends. The avatar's box is (x + 1, y + 2) .. (x + 19,
// y + 20), half-open.
TEST_F(HazardTest, AHazardKillsOnlyWhereItsPointsAreInsideTheAvatarsBox) {
    struct Case {
        const char* name;
        const char* hazard;
        double x, y;
        bool dies;
    };
    const Case cases[] = {
        {"box top on the spikes' line", "spikes", 110, 116, true},
        {"box top just below it", "spikes", 110, 116.5, false},
        {"box bottom on it", "spikes", 110, 98, false},
        {"box bottom just below it", "spikes", 110, 98.5, true},
        {"right side just past the spikes' left end", "spikes", 81.5, 110, true},
        {"right side on their left end", "spikes", 81, 110, false},
        {"left side on their right end", "spikes", 119, 110, true},
        {"left side just past their right end", "spikes", 119.5, 110, false},
        {"box around the middle of a beam only", "beam", 100, 100, true},
        {"box top just below a beam's line", "beam", 100, 108.5, false},
        {"right side just past a beam's left end", "beam", 81.5, 100, true},
        {"left side on a beam's right end", "beam", 119, 100, true},
        {"left side past a beam's right end", "beam", 119.5, 100, false},
        {"box around the middle of a vertical beam only", "vertical beam", 100, 100, true},
        {"box bottom just past its top end", "vertical beam", 100, 80.5, true},
        {"box bottom on its top end", "vertical beam", 100, 80, false},
        {"box top on its bottom end", "vertical beam", 100, 118, true},
        {"box top past its bottom end", "vertical beam", 100, 118.5, false},
        {"left side just past its line", "vertical beam", 109.5, 100, false},
    };
    for (const Case& c : cases) {
        World world;
        Avatar* avatar = new Avatar();
        std::string kind = c.hazard;
        Entity* hazard = kind == "spikes" ? static_cast<Entity*>(new Spikes()) : new ForceField(kind != "beam");
        hazard->setPos(Vec(100, 100));
        avatar->setPos(Vec(c.x, c.y));
        world.add(avatar);
        world.add(hazard);
        world.reindex();
        hazard->update(0.017);
        EXPECT_EQ(avatar->status == Avatar::Status::DEAD, c.dies) << c.name;
    }
}

// Without an avatar nothing that looks for one acts: garbage stays, a sign's panel stays hidden.
TEST_F(HazardTest, WithoutAnAvatarNothingLooksForOne) {
    World world;
    Message* sign = new Message("hello");
    for (Entity* entity : std::vector<Entity*>{new Garbage(), new Spikes(), new ForceField(false), new Lever(1, true), sign})
        world.add(entity);
    world.reindex();
    for (int i = 0; i < 3; ++i) {
        for (Entity* entity : world.list(Tags::DYNA))
            entity->update(0.1);
        world.reindex();
    }
    EXPECT_EQ(world.list(Tags::LOOS).size(), 1u);
    EXPECT_EQ(world.list(Tags::RNDR).size(), 5u + 1) << "the sign's panel and no sparks";
    EXPECT_FALSE(sign->panel->visible);
}

} // namespace
