#include "assets/Sound.h"

namespace Sound {

// The library's pan runs from -1 to 1, so 0 is the centre.
void play(ALLEGRO_SAMPLE* sample, float gain, float speed) {
    if (sample && al_is_audio_installed())
        al_play_sample(sample, gain, 0.0f, speed, ALLEGRO_PLAYMODE_ONCE, nullptr);
}

}  // namespace Sound
