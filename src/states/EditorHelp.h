#pragma once

#include <allegro5/allegro_font.h>

// The editor's keys and mouse buttons on a dark panel over the middle of the grid.
namespace EditorHelp {

void render(ALLEGRO_FONT* font);

}  // namespace EditorHelp
