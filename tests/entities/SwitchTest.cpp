#include "entities/Lever.h"
#include "entities/PressPad.h"
#include "entities/Stage.h"
#include "support/TestEntities.h"
#include "world/Tile.h"

#include <map>
#include <tuple>

namespace {

const int AVATAR_TAGS[] = {Tags::ENTT, Tags::AVAT, Tags::PRSS, 0};
const int BAG_TAGS[] = {Tags::ENTT, Tags::GRBG, Tags::PRSS, 0};
const double AWAY = 300;

// Something with the avatar's or a bag's box and lists, placed by hand.
struct Toucher : Body {
    const int* tags;
    explicit Toucher(const int* kindTags) : tags(kindTags) { box = Rect(1, 2, 19, 20); }
    const int* indices() override { return tags; }
};

// Switches and touchers in a bare world updated by hand.
struct SwitchTest : StageTest {
    World bare;

    template <typename T> T* place(T* entity, double x, double y = 200) {
        entity->setPos(Vec(x, y));
        bare.add(entity);
        bare.reindex();
        return entity;
    }
    void update() {
        for (Entity* entity : bare.list(Tags::DYNA))
            entity->update(0.017);
        bare.reindex();
    }
};

// The lever at x = 200 is touched at its centre, (210, 210); a box's right edge is outside it.
TEST_F(SwitchTest, ALeverFlipsOncePerTouchAndWaitsForItsHolderToLeave) {
    Tile::setPresent(4, true);
    Lever* lever = place(new Lever(4, false), 200);
    Toucher* avatar = place(new Toucher(AVATAR_TAGS), AWAY);
    Toucher* bag = place(new Toucher(BAG_TAGS), AWAY);
    struct Step {
        const char* name;
        double avatarX, bagX;
        bool on;
        Entity* holder;
    };
    const Step steps[] = {
        {"stored off, it takes its walls away at once", AWAY, AWAY, false, nullptr},
        {"the avatar's box edge on the centre", 191, AWAY, false, nullptr},
        {"the avatar's box over the centre", 191.5, AWAY, true, avatar},
        {"the avatar staying on", 195, AWAY, true, avatar},
        {"a bag arriving under the avatar", 195, 192, true, avatar},
        {"the avatar stepping off the bag", AWAY, 192, false, bag},
        {"the bag leaving", AWAY, AWAY, false, nullptr},
        {"both arriving together", 195, 192, true, avatar},
        {"the avatar stepping off again", AWAY, 192, false, bag},
    };
    for (const Step& s : steps) {
        avatar->setX(s.avatarX);
        bag->setX(s.bagX);
        update();
        EXPECT_EQ(lever->on, s.on) << s.name;
        EXPECT_EQ(Tile::present(4), s.on) << s.name;
        EXPECT_EQ(lever->holder, s.holder) << s.name;
    }
    bag->discard();  // swallowed by a container while holding the lever
    bare.reindex();
    avatar->setX(195);
    update();
    EXPECT_TRUE(lever->on) << "freed, it flips for the avatar";
}

// A pad at (200, 200) feels the points (x + 5, x + 10 and x + 15, y + 19) of what stands on it, in its
// bottom six pixels; pressed, it turns its walls the other way from how it is stored.
TEST_F(SwitchTest, APadIsPressedWhileAFootPointIsInItsBottomStrip) {
    struct Case {
        const char* name;
        double x, y;
        bool storedOn, pressed;
    };
    const Case cases[] = {
        {"standing on it", 200, 200, false, true},
        {"standing on one stored on", 200, 200, true, true},
        {"standing away from one stored on", AWAY, 200, true, false},
        {"front foot on its left edge", 185, 200, false, true},
        {"front foot short of it", 184.5, 200, false, false},
        {"back foot short of its right edge", 214.5, 200, false, true},
        {"back foot on its right edge", 215, 200, false, false},
        {"feet on the strip's top", 200, 195, false, true},
        {"feet above the strip", 200, 194.5, false, false},
        {"feet at the cell's bottom", 200, 200.5, false, true},
        {"feet below the cell", 200, 201, false, false},
    };
    for (const Case& c : cases) {
        PressPad* pad = place(new PressPad(6, c.storedOn), 200);
        Toucher* foot = place(new Toucher(BAG_TAGS), c.x, c.y);
        update();
        EXPECT_EQ(pad->pressed, c.pressed) << c.name;
        EXPECT_EQ(Tile::present(6), c.pressed != c.storedOn) << c.name;
        pad->discard();
        foot->discard();
        bare.reindex();
    }
}

using Rgb = std::tuple<int, int, int>;

Rgb rgbAt(ALLEGRO_BITMAP* bitmap, int x, int y) {
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(bitmap, x, y), &r, &g, &b);
    return {r, g, b};
}

// With the shipped tile sheet, a lever's knob (off and on) and a pad's plate (free and pressed) show
// the colour most of their walls' faces show.
TEST_F(SwitchTest, LeversAndPadsShowTheirOwnWallsColours) {
    auto drawn = [&](Entity* entity, int x, int y) {
        std::unique_ptr<Entity> owned(entity);
        ALLEGRO_BITMAP* canvas = target(20, 20, al_map_rgb(128, 128, 128));
        entity->render();
        return rgbAt(canvas, x, y);
    };
    std::vector<Rgb> walls;
    for (int channel : {1, 3}) {
        ALLEGRO_BITMAP* canvas = target(20, 20, al_map_rgb(0, 0, 0));
        Tile tile(channel, nullptr, 0, 0);
        tile.mask = 0;
        tile.render();
        std::map<Rgb, int> counts;
        for (int y = 7; y < 13; ++y)
            for (int x = 0; x < 20; ++x)
                ++counts[rgbAt(canvas, x, y)];
        Rgb wall = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })
                       ->first;
        PressPad* pressed = new PressPad(channel, true);
        pressed->pressed = true;
        EXPECT_EQ(drawn(new Lever(channel, false), 3, 2), wall) << "a lever off on channel " << channel;
        EXPECT_EQ(drawn(new Lever(channel, true), 16, 2), wall) << "a lever on on channel " << channel;
        EXPECT_EQ(drawn(new PressPad(channel, true), 10, 14), wall) << "a pad on channel " << channel;
        EXPECT_EQ(drawn(pressed, 10, 17), wall) << "a pressed pad on channel " << channel;
        walls.push_back(wall);
    }
    EXPECT_NE(walls[0], walls[1]);
}

} // namespace
