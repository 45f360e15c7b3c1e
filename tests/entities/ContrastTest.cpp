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
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Relative luminance of an sRGB colour, as the web's contrast guidelines define it.
double luminance(ALLEGRO_COLOR c) {
    auto linear = [](float v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool differs(ALLEGRO_COLOR a, ALLEGRO_COLOR b) {
    const float step = 3.0f / 255;
    return std::fabs(a.r - b.r) > step || std::fabs(a.g - b.g) > step || std::fabs(a.b - b.b) > step;
}

struct Subject {
    const char* name;
    std::function<Entity*()> make;
};

const int LEFT = 400;
const int HEIGHTS[] = {20, 300, 560};
const char* HEIGHT_NAMES[] = {"top", "middle", "bottom"};
const int AROUND = 30;  // half the side of the square of sky an object is judged against

// Each object drawn alone over each sky as the play screen draws a frame: sky, the theme's
// pre-hook, the object, the theme's post-hook (veils, haze, tilts included). The object's
// pixels are where that frame differs from the same frame without it; each is compared with
// the mean luminance of the bare sky around it, and the strongest tenth must reach 3:1.
struct ContrastTest : AllegroTest {
    std::vector<std::unique_ptr<Theme>> themes;

    void SetUp() override {
        AllegroTest::SetUp();
        themes.emplace_back(new ThStandard());
        themes.emplace_back(new ThSunset());
        themes.emplace_back(new ThMist());
        ThNight* night = new ThNight();
        // Stars are single dots that drift between the two drawings; above the screen they
        // cannot be taken for the object.
        std::fill(night->starY, night->starY + ThNight::STARS, -10.0);
        themes.emplace_back(night);
        themes.emplace_back(new ThCrooked());
        ThSway* sway = new ThSway();
        sway->clock = 2.0;  // bobbed and rocked, not at rest
        themes.emplace_back(sway);
    }

    // Draws one frame into `canvas`; returns where the object's centre lands on the screen.
    void drawFrame(ALLEGRO_BITMAP* canvas, Theme& theme, Entity* object, bool objectShown, float centre[2]) {
        al_set_target_bitmap(canvas);
        ALLEGRO_TRANSFORM identity;
        al_identity_transform(&identity);
        al_use_transform(&identity);
        Draw::setOrdinaryBlender();
        GfxHelpers::gradientRectangle(0, 0, 800, 600, theme.gradientUp(), theme.gradientDown());
        theme.preProcess();
        centre[0] = object->x() + 10;
        centre[1] = object->y() + 10;
        al_transform_coordinates(al_get_current_transform(), &centre[0], &centre[1]);
        if (objectShown)
            object->render();
        theme.postProcess();
        al_use_transform(&identity);
    }

    double strongestTenth(Theme& theme, Entity* object) {
        float centre[2];
        drawFrame(bare, theme, object, false, centre);
        drawFrame(withObject, theme, object, true, centre);
        int x0 = std::max(0, int(centre[0]) - AROUND), x1 = std::min(800, int(centre[0]) + AROUND);
        int y0 = std::max(0, int(centre[1]) - AROUND), y1 = std::min(600, int(centre[1]) + AROUND);
        double skySum = 0;
        std::vector<double> objectLuminances;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                ALLEGRO_COLOR sky = al_get_pixel(bare, x, y);
                ALLEGRO_COLOR seen = al_get_pixel(withObject, x, y);
                skySum += luminance(sky);
                if (differs(sky, seen))
                    objectLuminances.push_back(luminance(seen));
            }
        double sky = skySum / ((x1 - x0) * (y1 - y0));
        std::vector<double> ratios;
        for (double l : objectLuminances)
            ratios.push_back(contrast(l, sky));
        if (ratios.empty())
            return 0;
        std::sort(ratios.begin(), ratios.end());
        return ratios[ratios.size() * 9 / 10];
    }

    ALLEGRO_BITMAP* bare = nullptr;
    ALLEGRO_BITMAP* withObject = nullptr;
};

TEST_F(ContrastTest, EveryHazardAndBodyStandsOutFromEverySkyAtEveryHeight) {
    const std::vector<Subject> subjects = {
        {"beam", [] { return new ForceField(false); }},
        {"beam(v)", [] { return new ForceField(true); }},
        {"avatar", [] { return new Avatar(); }},
        {"bag", [] { return new Bag(); }},
        {"baddie", [] { return new Baddie(false); }},
        {"feral", [] { return new Baddie(true); }},
        {"spikes", [] { return new Spikes(); }},
    };
    bare = al_create_bitmap(800, 600);
    withObject = al_create_bitmap(800, 600);
    // The whole table first, so that it can be read and quoted whatever fails.
    std::vector<double> ratios;
    std::printf("%-8s %-8s %7s %7s %7s\n", "sky", "object", HEIGHT_NAMES[0], HEIGHT_NAMES[1], HEIGHT_NAMES[2]);
    for (auto& theme : themes)
        for (const Subject& subject : subjects) {
            std::printf("%-8s %-8s", theme->name(), subject.name);
            for (int height : HEIGHTS) {
                std::unique_ptr<Entity> object(subject.make());
                object->setPos(Vec(LEFT, height));
                ratios.push_back(strongestTenth(*theme, object.get()));
                std::printf(" %7.2f", ratios.back());
            }
            std::printf("\n");
        }
    std::fflush(stdout);
    auto ratio = ratios.begin();
    for (auto& theme : themes)
        for (const Subject& subject : subjects)
            for (const char* height : HEIGHT_NAMES)
                EXPECT_GE(*ratio++, 3.0) << subject.name << " on " << theme->name() << " at the " << height;
    al_destroy_bitmap(bare);
    al_destroy_bitmap(withObject);
}

} // namespace
