#pragma once

#include <allegro5/allegro.h>

// Builds keyboard and mouse snapshots without devices, for scripted and headless runs.
namespace SyntheticInput {

void clear(ALLEGRO_KEYBOARD_STATE& keyboard);
void setKey(ALLEGRO_KEYBOARD_STATE& keyboard, int keyCode, bool down);
void clear(ALLEGRO_MOUSE_STATE& mouse);
void setButton(ALLEGRO_MOUSE_STATE& mouse, int button, bool down);  // button 1 is the left one

}  // namespace SyntheticInput
