#pragma once

#include "Palette.h"
#include "SpriteSource.h"

#include <allegro5/allegro.h>

#include <string>

// The title word set in the letter parts ("letter-S", "letter-o", ...), enlarged into chunky
// pixels, filled with warm bands and given a dark outline and a drop so it reads over any sky.
ALLEGRO_BITMAP* drawLogo(const SpriteSource& source, const Palette& palette, const std::string& word);
