#pragma once

#include "core/AppState.h"

#include <string>

// Frames drawn the way a state's loop draws them, and kept as pictures for comparing the
// drawing before and after a change.
namespace Frames {

void draw(AppStateBase& state, ALLEGRO_DISPLAY* display);
// Draws one more frame and saves it as folder/name before showing it; no folder, no picture.
void save(AppStateBase& state, ALLEGRO_DISPLAY* display, const std::string& folder, const std::string& name);

} // namespace Frames
