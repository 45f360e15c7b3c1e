#pragma once

#include "core/AppStateBase.h"

#include <string>

// Frames drawn the way a state's loop draws them, scaled to the window as the game does, and
// kept as pictures (the game's own 800 x 600) for comparing the drawing before and after a change.
namespace Frames {

void draw(AppStateBase& state, ALLEGRO_DISPLAY* display);
// Draws one more frame and saves it as folder/name before showing it; no folder, no picture.
void save(AppStateBase& state, ALLEGRO_DISPLAY* display, const std::string& folder, const std::string& name);

}  // namespace Frames
