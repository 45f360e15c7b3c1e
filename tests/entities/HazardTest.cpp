#include "entities/ForceField.h"
#include "entities/Garbage.h"
#include "entities/Lever.h"
#include "entities/Message.h"
#include "entities/PopUp.h"
#include "entities/Spikes.h"
#include "entities/Stage.h"

#include <tuple>

namespace {

using HazardTest = StageTest;

// A hazard at (100, 100) kills at three points: spikes ('s') along y = 118 at x = 100, 110 and 120;
// a beam ('h') or a vertical one ('v') along its middle line, at its middle and ends. The avatar's box
// is (x + 1, y + 2) .. (x + 19, y + 20), half-open.
TEST_F(HazardTest, AHazardKillsOnlyWhereItsPointsAreInsideTheAvatarsBox) {
    const std::tuple<const char*, char, double, double, bool> cases[] = {
        {"top on the line", 's', 110, 116, true},
        {"top below it", 's', 110, 116.5, false},
        {"bottom on it", 's', 110, 98, false},
        {"bottom below it", 's', 110, 98.5, true},
        {"right side past the left end", 's', 81.5, 110, true},
        {"right side on it", 's', 81, 110, false},
        {"over the middle point only", 's', 100, 110, true},
        {"left side on the right end", 's', 119, 110, true},
        {"left side past it", 's', 119.5, 110, false},
        {"around the middle only", 'h', 100, 100, true},
        {"top below the line", 'h', 100, 108.5, false},
        {"right side past the left end", 'h', 81.5, 100, true},
        {"left side on the right end", 'h', 119, 100, true},
        {"left side past it", 'h', 119.5, 100, false},
        {"around the middle only", 'v', 100, 100, true},
        {"left side past the line", 'v', 109.5, 100, false},
        {"bottom past the top end", 'v', 100, 80.5, true},
        {"bottom on it", 'v', 100, 80, false},
        {"top on the bottom end", 'v', 100, 118, true},
        {"top past it", 'v', 100, 118.5, false}};
    for (const auto& [name, kind, x, y, dies] : cases) {
        clear();
        Avatar* avatar = place(new Avatar(), x, y);
        Entity* hazard = kind == 's' ? static_cast<Entity*>(new Spikes()) : new ForceField(kind == 'v');
        update(place(hazard, 100, 100));
        const char* reason = kind == 's' ? "ate some spiky death" : "got baked by a force field";
        EXPECT_EQ(avatar->reason, dies ? reason : "") << kind << ": " << name;
    }
}

// The avatar at (100, 100) has the box (101, 102) .. (119, 120); a piece counts at its (x + 10, y + 10).
TEST_F(HazardTest, LooseGarbageIsTakenWhenItsCentreIsInTheAvatarsBox) {
    const std::tuple<const char*, double, double, bool> cases[] = {
        {"on the box's left edge", 91, 100, true},
        {"just left of it", 90.5, 100, false},
        {"just inside its right edge", 108.5, 100, true},
        {"on its right edge", 109, 100, false},
        {"on its top edge", 100, 92, true},
        {"just above it", 100, 91.5, false},
        {"just inside its bottom edge", 100, 109.5, true},
        {"on its bottom edge", 100, 110, false}};
    for (const auto& [name, x, y, taken] : cases) {
        clear();
        place(new Avatar(), 100, 100);
        update(place(new Garbage(), x, y));
        EXPECT_EQ(bare->list(Tags::LOOS).empty(), taken) << name;
    }
}

// A sign at (100, 480): its box is 95..125 across and 480..500 down.
TEST_F(HazardTest, ASignsPanelShowsWhileTheAvatarsCentreIsInItsBox) {
    const std::tuple<const char*, double, double, bool> cases[] = {
        {"on the left and top edges", 95, 480, true},
        {"on the right edge", 125, 490, false},
        {"just inside the right and bottom edges", 124.5, 499.5, true},
        {"on the bottom edge", 110, 500, false}};
    Message* sign = place(new Message("Mind the gap"), 100, 480);
    Avatar* avatar = place(new Avatar(), 0, 0);
    for (const auto& [name, x, y, shown] : cases) {
        avatar->setPos(Vec(x - 10, y - 10));
        update(sign);
        EXPECT_EQ(sign->panel->visible, shown) << name;
    }
    sign->discard();
    bare->reindex();
    bare->reindex();
    EXPECT_EQ(bare->list(Tags::ENTT), World::List{avatar}) << "a removed sign takes its panel with it";
}

// Without an avatar nothing that looks for one acts: garbage stays, a sign's panel stays hidden.
TEST_F(HazardTest, WithoutAnAvatarNothingLooksForOne) {
    Message* sign = place(new Message("hello"), 0, 0);
    for (Entity* entity : World::List{new Garbage(), new Spikes(), new ForceField(false)})
        place(entity, 0, 0);
    place(new Lever(1, true), 0, 0);
    update();
    EXPECT_EQ(bare->list(Tags::RNDR).size(), 5u + 1) << "the garbage, the sign's panel and no sparks";
    EXPECT_FALSE(sign->panel->visible);
}

}  // namespace
