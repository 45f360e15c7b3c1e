#include "entities/Bag.h"
#include "entities/Lever.h"
#include "entities/PressPad.h"
#include "entities/Stage.h"

#include <map>
#include <tuple>

namespace {

const double AWAY = 300;

using SwitchTest = StageTest;

// The lever at x = 200 is touched at its centre, (210, 210), which the avatar's box, x + 1 .. x + 19,
// holds from x = 191.5.
TEST_F(SwitchTest, ALeverFlipsOncePerTouchAndWaitsForItsHolderToLeave) {
    Tile::setPresent(4, true);
    Lever* lever = place(new Lever(4, false), 200, 200);
    Avatar* avatar = place(new Avatar(), AWAY, 200);
    Bag* bag = place(new Bag(), AWAY, 200);
    const std::tuple<const char*, double, double, bool, Entity*> steps[] = {
        {"stored off, it takes its walls away at once", AWAY, AWAY, false, nullptr},
        {"the avatar's box edge on the centre", 191, AWAY, false, nullptr},
        {"the avatar's box over the centre", 191.5, AWAY, true, avatar},
        {"the avatar staying on", 195, AWAY, true, avatar},
        {"a bag arriving under the avatar", 195, 195, true, avatar},
        {"the avatar stepping off the bag", AWAY, 195, false, bag},
        {"the bag leaving", AWAY, AWAY, false, nullptr},
        {"both arriving together", 195, 195, true, avatar},
        {"the avatar stepping off again", AWAY, 195, false, bag}};
    for (const auto& [name, avatarX, bagX, on, holder] : steps) {
        avatar->setX(avatarX);
        bag->setX(bagX);
        update(lever);
        EXPECT_EQ(std::pair(lever->on, Tile::present(4)), std::pair(on, on)) << name;
        EXPECT_EQ(lever->holder, holder) << name;
    }
    bag->discard();  // swallowed by a container while holding the lever
    bare->reindex();
    avatar->setX(195);
    update(lever);
    EXPECT_TRUE(lever->on) << "freed, it flips for the avatar";
}

// A pad at (200, 200) feels the points (x + 5, x + 10 and x + 15, y + 19) of what stands on it, in its
// bottom six pixels; pressed, it turns its walls the other way from how it is stored.
TEST_F(SwitchTest, APadIsPressedWhileAFootPointIsInItsBottomStrip) {
    const std::tuple<const char*, double, double, bool, bool> cases[] = {
        {"standing on it", 200, 200, false, true},
        {"standing on one stored on", 200, 200, true, true},
        {"standing away from one stored on", AWAY, 200, true, false},
        {"front foot on the left edge", 185, 200, false, true},
        {"short of it", 184.5, 200, false, false},
        {"back foot short of the right edge", 214.5, 200, false, true},
        {"on it", 215, 200, false, false},
        {"feet on the strip's top", 200, 195, false, true},
        {"above it", 200, 194.5, false, false},
        {"feet at the cell's bottom", 200, 200.5, false, true},
        {"below it", 200, 201, false, false}};
    for (const auto& [name, x, y, storedOn, pressed] : cases) {
        clear();
        PressPad* pad = place(new PressPad(6, storedOn), 200, 200);
        place(new Bag(), x, y);
        update(pad);
        EXPECT_EQ(std::pair(pad->pressed, Tile::present(6)), std::pair(pressed, pressed != storedOn)) << name;
    }
}

using Rgb = std::tuple<int, int, int>;

// With the shipped tile sheet, a lever's knob (off and on) and a pad's plate (free and pressed) show
// the colour most of their walls' faces (rows 7 to 12) show.
TEST_F(SwitchTest, LeversAndPadsShowTheirOwnWallsColours) {
    auto commonest = [&](Entity* entity, int x, int y, int w = 1, int h = 1) {
        std::unique_ptr<Entity> owned(entity);
        ALLEGRO_BITMAP* canvas = target(20, 20, al_map_rgb(128, 128, 128));
        entity->render();
        std::map<Rgb, int> counts;
        for (int i = 0; i < w * h; ++i) {
            unsigned char r, g, b;
            al_unmap_rgb(al_get_pixel(canvas, x + i % w, y + i / w), &r, &g, &b);
            ++counts[{r, g, b}];
        }
        auto fewer = [](auto& a, auto& b) { return a.second < b.second; };
        return std::max_element(counts.begin(), counts.end(), fewer)->first;
    };
    std::vector<Rgb> walls;
    for (int channel : {1, 3}) {
        Tile* tile = new Tile(channel, nullptr, 0, 0);
        tile->mask = 0;
        walls.push_back(commonest(tile, 0, 7, 20, 6));
        PressPad* pressed = new PressPad(channel, true);
        pressed->pressed = true;
        std::vector<Rgb> seen = {commonest(new Lever(channel, false), 3, 2),
                                 commonest(new Lever(channel, true), 16, 2),
                                 commonest(new PressPad(channel, true), 10, 14), commonest(pressed, 10, 17)};
        EXPECT_EQ(seen, std::vector<Rgb>(4, walls.back())) << "a lever off and on, a pad free and pressed";
    }
    EXPECT_NE(walls[0], walls[1]);
}

}  // namespace
