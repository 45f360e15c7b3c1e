#pragma once

#include <allegro5/allegro.h>

namespace GfxHelpers {

// A filled rectangle whose colour runs from `top` along y1 to `bottom` along y2.
void gradientRectangle(float x1, float y1, float x2, float y2, ALLEGRO_COLOR top, ALLEGRO_COLOR bottom);

}  // namespace GfxHelpers
