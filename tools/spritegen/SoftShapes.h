#pragma once

#include "Palette.h"

#include <allegro5/allegro.h>

// Pictures with graded alpha that a pixel grid cannot express: the theme-tinted cloud,
// the smoke puff of a death and the additive sparkle of particles.
ALLEGRO_BITMAP* drawCloud(const Palette& palette);
ALLEGRO_BITMAP* drawPuff(const Palette& palette);
ALLEGRO_BITMAP* drawGlow(const Palette& palette);
