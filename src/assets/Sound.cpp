#include "assets/Sound.h"

namespace Sound {

void play(ALLEGRO_SAMPLE* sample, float gain, float pan, float speed) {
    if (sample && al_is_audio_installed())
        al_play_sample(sample, gain, pan, speed, ALLEGRO_PLAYMODE_ONCE, nullptr);
}

} // namespace Sound
