#include "assets/ThemeKinds.h"

#include "assets/Draw.h"
#include "assets/GfxHelpers.h"
#include "core/Random.h"

#include <cmath>

namespace {

const float TILT = 0.09817477f;  // pi / 32
// Thin enough that the level's dark outlines keep a 3:1 contrast with the hazed sky.
const int MIST_HAZE = 110;

void useTransformed(ALLEGRO_TRANSFORM& saved, float dx, float dy, float angle) {
    al_copy_transform(&saved, al_get_current_transform());
    ALLEGRO_TRANSFORM scene;
    al_build_transform(&scene, dx, dy, 1, 1, angle);
    al_use_transform(&scene);
}

}  // namespace

void ThMist::postProcess() {
    ALLEGRO_COLOR haze = al_map_rgba(255, 255, 255, MIST_HAZE);
    GfxHelpers::gradientRectangle(0, 200, 800, 600, haze, al_map_rgba(255, 255, 255, 0));
    Draw::filledRectangle(0, 0, 800, 200, haze);
}

ThNight::ThNight() {
    for (int i = 0; i < STARS; ++i) {
        starX[i] = randomFloat(3.0f, 797.0f);
        starY[i] = randomFloat(3.0f, 597.0f);
    }
}

// Stars move per drawn frame, not per second; each a little faster than the one before.
void ThNight::preProcess() {
    for (int i = 0; i < STARS; ++i) {
        Draw::pixel(starX[i], starY[i], al_map_rgba(255, 255, 255, 80));
        starX[i] -= 0.6 + 0.4 * i / 100;
        if (starX[i] < 0)
            starX[i] += 800;
    }
}

void ThNight::postProcess() {
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgba(0, 0, 0, 80));
    Draw::filledRectangle(0, 0, 800, 600, al_map_rgb(0, 0, 0));
    Draw::setOrdinaryBlender();
}

void ThCrooked::preProcess() {
    useTransformed(saved, 25, -40, TILT);
}

void ThCrooked::postProcess() {
    al_identity_transform(&saved);
    al_use_transform(&saved);
}

void ThSway::preProcess() {
    useTransformed(saved, 0, 10 * std::sin(clock), std::sin(0.25 * clock) * 0.09817477042468103);
}

void ThSway::postProcess() {
    al_use_transform(&saved);
}
