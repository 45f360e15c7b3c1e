#include "entities/Lever.h"
#include "entities/PressPad.h"
#include "support/AllegroFixture.h"
#include "world/Tile.h"

#include <functional>
#include <map>
#include <memory>
#include <tuple>

namespace {

using Rgb = std::tuple<int, int, int>;

Rgb rgbAt(ALLEGRO_BITMAP* bitmap, int x, int y) {
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(bitmap, x, y), &r, &g, &b);
    return {r, g, b};
}

// With the shipped tile sheet: a switch's knob or plate shows the colour its walls are made of.
struct SwitchColourTest : AllegroTest {
    // The colour most of a wall tile's face shows, between its bevels and outlines.
    Rgb wallColour(int type) {
        ALLEGRO_BITMAP* canvas = target(20, 20, al_map_rgb(0, 0, 0));
        Tile tile(type, nullptr, 0, 0);
        tile.mask = 0;
        tile.render();
        std::map<Rgb, int> counts;
        for (int y = 7; y < 13; ++y)
            for (int x = 0; x < 20; ++x)
                ++counts[rgbAt(canvas, x, y)];
        auto most = counts.begin();
        for (auto it = counts.begin(); it != counts.end(); ++it)
            if (it->second > most->second)
                most = it;
        return most->first;
    }

    Rgb shownAt(Entity& entity, int x, int y) {
        ALLEGRO_BITMAP* canvas = target(20, 20, al_map_rgb(128, 128, 128));
        entity.render();
        return rgbAt(canvas, x, y);
    }
};

struct Look {
    const char* what;
    std::function<Entity*(int channel)> make;
    int x, y;  // a pixel of the knob or the plate
};

TEST_F(SwitchColourTest, LeversAndPadsOnTwoChannelsShowTheirOwnWallsColours) {
    const Look looks[] = {
        {"lever off", [](int c) { return new Lever(c, false); }, 3, 2},
        {"lever on", [](int c) { return new Lever(c, true); }, 16, 2},
        {"pad", [](int c) { return new PressPad(c, true); }, 10, 14},
        {"pad pressed", [](int c) { PressPad* p = new PressPad(c, true); p->pressed = true; return p; }, 10, 17},
    };
    for (const Look& look : looks) {
        std::unique_ptr<Entity> one(look.make(1)), three(look.make(3));
        Rgb onOne = shownAt(*one, look.x, look.y);
        Rgb onThree = shownAt(*three, look.x, look.y);
        EXPECT_NE(onOne, onThree) << look.what;
        EXPECT_EQ(onOne, wallColour(1)) << look.what;
        EXPECT_EQ(onThree, wallColour(3)) << look.what;
    }
}

} // namespace
