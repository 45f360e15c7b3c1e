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
#include <memory>

namespace {

// Relative luminance of an sRGB colour, as the web's contrast guidelines define it.
double luminance(ALLEGRO_COLOR c) {
    auto linear = [](float v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

bool differs(ALLEGRO_COLOR a, ALLEGRO_COLOR b) {
    const float step = 3.0f / 255;
    return std::fabs(a.r - b.r) > step || std::fabs(a.g - b.g) > step || std::fabs(a.b - b.b) > step;
}

// One frame as the play screen draws it: sky, the theme's pre-hook, the object, the post-hook
// (veils, haze and tilts included). Returns where the object's centre lands.
Vec drawFrame(ALLEGRO_BITMAP* canvas, Theme& theme, Entity* object, bool objectShown) {
    al_set_target_bitmap(canvas);
    ALLEGRO_TRANSFORM identity;
    al_identity_transform(&identity);
    al_use_transform(&identity);
    Draw::setOrdinaryBlender();
    GfxHelpers::gradientRectangle(0, 0, 800, 600, theme.gradientUp(), theme.gradientDown());
    theme.preProcess();
    float centre[2] = {static_cast<float>(object->x() + 10), static_cast<float>(object->y() + 10)};
    al_transform_coordinates(al_get_current_transform(), &centre[0], &centre[1]);
    if (objectShown)
        object->render();
    theme.postProcess();
    al_use_transform(&identity);
    return Vec(centre[0], centre[1]);
}

// The object's pixels are where the frame differs from the bare one; the strongest tenth of them
// against the mean sky in the 60 x 60 square around the object.
double strongestTenth(ALLEGRO_BITMAP* bare, ALLEGRO_BITMAP* seen, Vec centre) {
    int x0 = std::max(0, int(centre.x) - 30), x1 = std::min(800, int(centre.x) + 30);
    int y0 = std::max(0, int(centre.y) - 30), y1 = std::min(600, int(centre.y) + 30);
    double skySum = 0;
    std::vector<double> objectLuminances;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            skySum += luminance(al_get_pixel(bare, x, y));
            if (differs(al_get_pixel(bare, x, y), al_get_pixel(seen, x, y)))
                objectLuminances.push_back(luminance(al_get_pixel(seen, x, y)));
        }
    double sky = skySum / ((x1 - x0) * (y1 - y0));
    std::vector<double> ratios;
    for (double l : objectLuminances)
        ratios.push_back((std::max(l, sky) + 0.05) / (std::min(l, sky) + 0.05));
    std::sort(ratios.begin(), ratios.end());
    return ratios.empty() ? 0 : ratios[ratios.size() * 9 / 10];
}

struct ContrastTest : AllegroTest {};

TEST_F(ContrastTest, EveryHazardAndBodyStandsOutAtThreeToOneFromEverySkyAtEveryHeight) {
    ThNight* night = new ThNight();
    std::fill(night->starY, night->starY + ThNight::STARS, -10.0);  // drifting dots are not the object
    ThSway* sway = new ThSway();
    sway->clock = 2.0;  // bobbed and rocked, not at rest
    std::unique_ptr<Theme> themes[] = {
        std::unique_ptr<Theme>(new ThStandard()), std::unique_ptr<Theme>(new ThSunset()),
        std::unique_ptr<Theme>(new ThMist()),     std::unique_ptr<Theme>(night),
        std::unique_ptr<Theme>(new ThCrooked()),  std::unique_ptr<Theme>(sway)};
    ALLEGRO_BITMAP* bare = al_create_bitmap(800, 600);
    ALLEGRO_BITMAP* seen = al_create_bitmap(800, 600);
    for (auto& theme : themes)
        for (int height : {20, 300, 560}) {
            std::unique_ptr<Entity> objects[] = {
                std::make_unique<ForceField>(false), std::make_unique<ForceField>(true),
                std::make_unique<Avatar>(),          std::make_unique<Bag>(),
                std::make_unique<Baddie>(false),     std::make_unique<Baddie>(true),
                std::make_unique<Spikes>()};
            for (auto& object : objects) {
                object->setPos(Vec(400, height));
                drawFrame(bare, *theme, object.get(), false);
                Vec centre = drawFrame(seen, *theme, object.get(), true);
                EXPECT_GE(strongestTenth(bare, seen, centre), 3.0)
                    << object->code() << " on " << theme->name() << " at y " << height;
            }
        }
    al_destroy_bitmap(bare);
    al_destroy_bitmap(seen);
}

}  // namespace
