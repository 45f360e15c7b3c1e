#include "assets/GfxHelpers.h"

#include "assets/Draw.h"

namespace GfxHelpers {

void gradientRectangle(float x1, float y1, float x2, float y2, ALLEGRO_COLOR top, ALLEGRO_COLOR bottom) {
    const float corners[8] = {x1, y1, x2, y1, x2, y2, x1, y2};
    const ALLEGRO_COLOR colours[4] = {top, top, bottom, bottom};
    Draw::quad(corners, colours);
}

}  // namespace GfxHelpers
