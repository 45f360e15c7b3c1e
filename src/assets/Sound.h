#pragma once

#include <allegro5/allegro_audio.h>

// The one sound layer: plays a sample once, or nothing at all where no audio is installed
// (headless runs step the same code silently).
namespace Sound {

// Centred; gain 1 is full volume, speed 1 the recorded pitch.
void play(ALLEGRO_SAMPLE* sample, float gain, float speed);

}  // namespace Sound
