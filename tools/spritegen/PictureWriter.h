#pragma once

#include "Palette.h"
#include "SpriteSource.h"

#include <allegro5/allegro.h>

#include <string>

// The magenta that separates the frames of a sheet.
ALLEGRO_COLOR separatorColour();

// Lays the frames of a sheet out in one row with one-pixel magenta lines between them.
ALLEGRO_BITMAP* drawPicture(const SpriteSource& source, const PictureSource& picture, const Palette& palette);

// Saves a bitmap as PNG, exiting with a message if it cannot be written; destroys the bitmap.
void savePicture(ALLEGRO_BITMAP* bitmap, const std::string& path);
