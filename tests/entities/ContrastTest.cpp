#include "assets/Draw.h"
#include "assets/GfxHelpers.h"
#include "assets/ThemeKinds.h"
#include "entities/Avatar.h"
#include "entities/Baddie.h"
#include "entities/Bag.h"
#include "entities/ForceField.h"
#include "entities/Spikes.h"
#include "support/AllegroFixture.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Relative luminance of an sRGB colour, as the web's contrast guidelines define it.
double luminance(ALLEGRO_COLOR c) {
    auto linear = [](float v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// Draws a frame as the play screen does: sky, the theme's pre-hook, the object (or not), the theme's
// post-hook; returns where the object's centre lands on the screen.
std::pair<int, int> drawFrame(ALLEGRO_BITMAP* canvas, Theme& theme, Entity& object, bool shown) {
    al_set_target_bitmap(canvas);
    ALLEGRO_TRANSFORM identity;
    al_identity_transform(&identity);
    al_use_transform(&identity);
    Draw::setOrdinaryBlender();
    GfxHelpers::gradientRectangle(0, 0, 800, 600, theme.gradientUp(), theme.gradientDown());
    theme.preProcess();
    float x = object.x() + 10, y = object.y() + 10;
    al_transform_coordinates(al_get_current_transform(), &x, &y);
    if (shown)
        object.render();
    theme.postProcess();
    al_use_transform(&identity);
    return {int(x), int(y)};
}

using ContrastTest = AllegroTest;

// Each hazard and body drawn alone over each sky, veils, haze and tilts included: its pixels are where
// the frame differs from the same frame without it, each compared with the mean luminance of the bare
// sky within 30 pixels of its centre; the strongest tenth must reach 3:1.
TEST_F(ContrastTest, EveryHazardAndBodyStandsOutFromEverySkyAtEveryHeight) {
    ThNight* night = new ThNight();
    std::fill(night->starY, night->starY + ThNight::STARS, -10.0);  // drifting dots, out of sight
    ThSway* sway = new ThSway();
    sway->clock = 2.0;  // bobbed and rocked, not at rest
    std::unique_ptr<Theme> themes[] = {std::make_unique<ThStandard>(), std::make_unique<ThSunset>(),
                                       std::make_unique<ThMist>(),     std::unique_ptr<Theme>(night),
                                       std::make_unique<ThCrooked>(),  std::unique_ptr<Theme>(sway)};
    const std::pair<const char*, std::function<Entity*()>> subjects[] = {
        {"beam", [] { return new ForceField(false); }}, {"beam(v)", [] { return new ForceField(true); }},
        {"avatar", [] { return new Avatar(); }},        {"bag", [] { return new Bag(); }},
        {"baddie", [] { return new Baddie(false); }},   {"feral", [] { return new Baddie(true); }},
        {"spikes", [] { return new Spikes(); }}};
    ALLEGRO_BITMAP* bare = al_create_bitmap(800, 600);
    ALLEGRO_BITMAP* seen = al_create_bitmap(800, 600);
    for (auto& theme : themes)
        for (const auto& [name, make] : subjects)
            for (int height : {20, 300, 560}) {
                std::unique_ptr<Entity> object(make());
                object->setPos(Vec(400, height));
                drawFrame(bare, *theme, *object, false);
                auto [cx, cy] = drawFrame(seen, *theme, *object, true);
                double skySum = 0, area = 0;
                std::vector<double> ratios;
                for (int y = std::max(0, cy - 30); y < std::min(600, cy + 30); ++y)
                    for (int x = std::max(0, cx - 30); x < std::min(800, cx + 30); ++x, ++area) {
                        ALLEGRO_COLOR sky = al_get_pixel(bare, x, y), pixel = al_get_pixel(seen, x, y);
                        skySum += luminance(sky);
                        if (std::fabs(sky.r - pixel.r) > 3.0f / 255 || std::fabs(sky.g - pixel.g) > 3.0f / 255 ||
                            std::fabs(sky.b - pixel.b) > 3.0f / 255)
                            ratios.push_back(luminance(pixel));
                    }
                for (double& l : ratios)
                    l = (std::max(l, skySum / area) + 0.05) / (std::min(l, skySum / area) + 0.05);
                std::sort(ratios.begin(), ratios.end());
                EXPECT_GE(ratios.empty() ? 0 : ratios[ratios.size() * 9 / 10], 3.0)
                    << name << " on " << theme->name() << " at y = " << height;
            }
    al_destroy_bitmap(bare);
    al_destroy_bitmap(seen);
}

} // namespace
