#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_audio.h>
#include <dumb.h>

#include <atomic>

// Plays tracker modules decoded by DUMB into an audio stream fed from a thread of its own.
struct AL_DUH_PLAYER {
    int flags;  // bit 0: playing (not paused)
    int fragmentSamples;
    int sampleRate;
    ALLEGRO_AUDIO_STREAM* stream;
    std::atomic<DUH_SIGRENDERER*> renderer;  // null once the song has ended
    std::atomic<float> volume;
    int silentFragments;
    ALLEGRO_THREAD* thread;
};

extern DUH* al_default_duh;
extern AL_DUH_PLAYER* al_default_duh_player;

// Low-level player; each call accepts a null player.
bool al_init_dumb_addon(int quality);
AL_DUH_PLAYER* al_start_duh(DUH* duh, int channels, int startOrder, float volume, int fragmentSamples,
                            int sampleRate);
void al_stop_duh(AL_DUH_PLAYER* player);
// One fragment as the player renders it: 16-bit signed interleaved samples at the volume; returns
// the sample frames rendered, fewer once the song has ended.
long al_duh_render_fragment(DUH_SIGRENDERER* renderer, float volume, int sampleRate, int frames,
                            void* buffer);
void al_pause_duh(AL_DUH_PLAYER* player);
void al_resume_duh(AL_DUH_PLAYER* player);
void al_duh_set_volume(AL_DUH_PLAYER* player, float volume);
float al_duh_get_volume(AL_DUH_PLAYER* player);
long al_duh_get_position(AL_DUH_PLAYER* player);

// One current module at a time: what the rest of the game calls.
AL_DUH_PLAYER* al_play_module(const char* path, int startOrder, bool flag);
void al_stop_module();
void al_pause_module();
void al_resume_module();
bool al_set_module_pattern(int order);
