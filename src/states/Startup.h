#pragma once

#include <allegro5/allegro.h>

// The steps of start-up, in the order the entry takes them. Each failure here is fatal.
namespace Startup {

// Only the first argument counts, compared whole.
bool firstArgumentIs(int argc, char** argv, const char* option);
// The library and its add-ons, the window (OpenGL when it can), input, audio and the title
// music, then the progress record and the themes: the game's start.
ALLEGRO_DISPLAY* startGame(bool fullScreen);
// For the build tools and headless runs: the library, fonts and images, with every new bitmap
// in memory and the themes made, but no display, input or sound.
void startHeadless();
// Level files are numbered from 1; the first missing number ends the count.
int countLevels(const char* namePattern = "levels/%d.lv");

}  // namespace Startup
