#include "music/a5play.h"

#include <cstdio>
#include <cstdlib>

DUH* al_default_duh = nullptr;
AL_DUH_PLAYER* al_default_duh_player = nullptr;

namespace {

bool dumbStarted = false;  // DUMB's file readers are registered

const int PLAYING = 1;
const double STOP_POLL_SECONDS = 0.1;  // how soon a stop request is seen while no fragment is asked for

void dumbExit() {
    dumb_exit();
}

// Fills one free fragment; returns false once the song has ended.
bool fillFragment(AL_DUH_PLAYER* player) {
    void* buffer = al_get_audio_stream_fragment(player->stream);
    if (!buffer)
        return true;
    DUH_SIGRENDERER* renderer = player->renderer.load();
    long frames = al_duh_render_fragment(renderer, player->volume.load(), player->sampleRate,
                                         player->fragmentSamples, buffer);
    int channels = duh_sigrenderer_get_n_channels(renderer);
    long filled = frames * channels;
    long total = static_cast<long>(player->fragmentSamples) * channels;
    int16_t* samples = static_cast<int16_t*>(buffer);
    for (long i = filled; i < total; ++i)
        samples[i] = 0;
    al_set_audio_stream_fragment(player->stream, buffer);
    if (frames == 0 && ++player->silentFragments > 1) {
        // The stream stays for al_stop_duh to destroy, so that pausing from the main thread
        // never meets a stream this thread has just freed.
        player->renderer.store(nullptr);
        duh_end_sigrenderer(renderer);
        al_set_audio_stream_playing(player->stream, false);
        return false;
    }
    return true;
}

void* al_duh_update_thread(ALLEGRO_THREAD* thread, void* argument) {
    AL_DUH_PLAYER* player = static_cast<AL_DUH_PLAYER*>(argument);
    ALLEGRO_EVENT_QUEUE* queue = al_create_event_queue();
    if (!queue) {
        std::printf("Unable to create event queue.");
        std::fflush(stdout);
        return nullptr;
    }
    al_register_event_source(queue, al_get_audio_stream_event_source(player->stream));
    bool playing = true;
    while (playing && !al_get_thread_should_stop(thread)) {
        ALLEGRO_EVENT event;
        if (al_wait_for_event_timed(queue, &event, STOP_POLL_SECONDS) &&
            event.type == ALLEGRO_EVENT_AUDIO_STREAM_FRAGMENT)
            playing = fillFragment(player);
    }
    al_destroy_event_queue(queue);
    return nullptr;
}

}  // namespace

bool al_init_dumb_addon(int quality) {
    dumbStarted = true;
    dumb_resampling_quality = quality;
    std::atexit(dumbExit);
    dumb_register_stdfiles();
    return true;
}

AL_DUH_PLAYER* al_start_duh(DUH* duh, int channels, int startOrder, float volume, int fragmentSamples,
                            int sampleRate) {
    if (!duh)
        return nullptr;
    AL_DUH_PLAYER* player = new AL_DUH_PLAYER();
    player->flags = PLAYING;
    player->fragmentSamples = fragmentSamples;
    player->sampleRate = sampleRate;
    ALLEGRO_CHANNEL_CONF layout = channels == 1 ? ALLEGRO_CHANNEL_CONF_1 : ALLEGRO_CHANNEL_CONF_2;
    player->stream =
        al_create_audio_stream(4, fragmentSamples, sampleRate, ALLEGRO_AUDIO_DEPTH_INT16, layout);
    if (!player->stream) {
        delete player;
        return nullptr;
    }
    al_attach_audio_stream_to_mixer(player->stream, al_get_default_mixer());
    player->renderer = dumb_it_start_at_order(duh, channels, startOrder);
    if (!player->renderer.load()) {
        al_destroy_audio_stream(player->stream);
        delete player;
        return nullptr;
    }
    player->thread = al_create_thread(al_duh_update_thread, player);
    if (!player->thread) {
        duh_end_sigrenderer(player->renderer.load());
        al_destroy_audio_stream(player->stream);
        delete player;
        return nullptr;
    }
    player->volume = volume;
    player->silentFragments = 0;
    al_start_thread(player->thread);
    return player;
}

long al_duh_render_fragment(DUH_SIGRENDERER* renderer, float volume, int sampleRate, int frames,
                            void* buffer) {
    return duh_render(renderer, 16, 0, volume, 65536.0f / sampleRate, frames, buffer);
}

void al_stop_duh(AL_DUH_PLAYER* player) {
    if (!player)
        return;
    al_destroy_thread(player->thread);
    if (DUH_SIGRENDERER* renderer = player->renderer.load())
        duh_end_sigrenderer(renderer);
    al_destroy_audio_stream(player->stream);
    delete player;
}

void al_pause_duh(AL_DUH_PLAYER* player) {
    if (player && player->renderer.load() && (player->flags & PLAYING)) {
        al_set_audio_stream_playing(player->stream, false);
        player->flags &= ~PLAYING;
    }
}

void al_resume_duh(AL_DUH_PLAYER* player) {
    if (player && player->renderer.load() && !(player->flags & PLAYING)) {
        al_set_audio_stream_playing(player->stream, true);
        player->flags |= PLAYING;
    }
}

void al_duh_set_volume(AL_DUH_PLAYER* player, float volume) {
    if (player)
        player->volume = volume;
}

float al_duh_get_volume(AL_DUH_PLAYER* player) {
    return player ? player->volume.load() : 0.0f;
}

long al_duh_get_position(AL_DUH_PLAYER* player) {
    if (!player)
        return -1;
    DUH_SIGRENDERER* renderer = player->renderer.load();
    return renderer ? duh_sigrenderer_get_position(renderer) : -1;
}

// One module at a time: whatever plays is stopped first, or its thread would play on unowned.
// Headless runs never start the add-on; their music is silence, as when the file is missing.
AL_DUH_PLAYER* al_play_module(const char* path, int startOrder, bool) {
    al_stop_module();
    if (!dumbStarted)
        return nullptr;
    DUH* (*const readers[])(const char*) = {dumb_load_xm_quick, dumb_load_it_quick, dumb_load_mod_quick,
                                            dumb_load_s3m_quick};
    DUH* duh = nullptr;
    for (auto reader : readers)
        if ((duh = reader(path)))
            break;
    if (!duh)
        return nullptr;
    al_default_duh = duh;
    al_default_duh_player = al_start_duh(duh, 2, startOrder, 1.0f, 4096, 44100);
    return al_default_duh_player;
}

void al_stop_module() {
    al_stop_duh(al_default_duh_player);
    al_default_duh_player = nullptr;
    if (al_default_duh)
        unload_duh(al_default_duh);
    al_default_duh = nullptr;
}

void al_pause_module() {
    al_pause_duh(al_default_duh_player);
}

void al_resume_module() {
    al_resume_duh(al_default_duh_player);
}

bool al_set_module_pattern(int order) {
    AL_DUH_PLAYER* current = al_default_duh_player;
    bool paused = current && !(current->flags & PLAYING);
    if (paused)
        al_resume_duh(current);
    al_stop_duh(current);
    al_default_duh_player = al_start_duh(al_default_duh, 2, order, 1.0f, 4096, 44100);
    if (!al_default_duh_player) {
        std::printf("failed to set pattern!\n");
        return false;
    }
    if (paused)
        al_pause_duh(al_default_duh_player);
    return true;
}
