#pragma once

#include "Palette.h"
#include "SpriteSource.h"

#include <allegro5/allegro.h>

// The menu icon is designed on this grid and only ever enlarged by whole numbers.
constexpr int ICON_GRID = 32;

// The avatar's standing frame on a patch of leafy ground under the sky, in a rounded square with
// an ink outline; ICON_GRID pixels square, transparent outside the square.
ALLEGRO_BITMAP* drawIcon(const SpriteSource& source, const Palette& palette);

// The icon enlarged to size x size (a whole multiple of ICON_GRID), every pixel a crisp square.
ALLEGRO_BITMAP* enlargeIcon(ALLEGRO_BITMAP* icon, int size);
