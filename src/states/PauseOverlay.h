#pragma once

#include <allegro5/allegro_font.h>

#include <string>

// What a paused level shows over its frozen frame: the screen dimmed, "Paused" and the keys.
namespace PauseOverlay {

// R retries only where the caller plays the level again; otherwise it leaves as Escape does.
std::string keys(bool retries, bool toEditor);
void draw(ALLEGRO_FONT* font, const std::string& keys);

}  // namespace PauseOverlay
