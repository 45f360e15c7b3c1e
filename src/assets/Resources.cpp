#include "assets/Resources.h"

#include <allegro5/allegro_ttf.h>

#include <cstdio>
#include <cstdlib>

std::map<std::string, ResourceBase*> Resources::sResources;

namespace {

[[noreturn]] void missing(const std::string& name) {
    std::printf("Unable to find resource: '%s'.\n", name.c_str());
    std::fflush(stdout);
    std::exit(1);
}

// One unsigned 8-bit sample at the midpoint: silence that plays like any other sound.
ALLEGRO_SAMPLE* silentSample() {
    unsigned char* buffer = static_cast<unsigned char*>(al_malloc(1));
    buffer[0] = 128;
    return al_create_sample(buffer, 1, 44100, ALLEGRO_AUDIO_DEPTH_UINT8, ALLEGRO_CHANNEL_CONF_1, true);
}

}  // namespace

template <> Resource<ALLEGRO_FONT>::Resource(const std::string& file) : ResourceBase(file) {
    asset = al_load_font(file.c_str(), 13, 0);
    if (!asset)
        missing(file);
}

template <> Resource<ALLEGRO_FONT>::~Resource() {
    al_destroy_font(asset);
}

template <> Resource<ALLEGRO_BITMAP>::Resource(const std::string& file) : ResourceBase(file) {
    asset = al_load_bitmap(file.c_str());
    if (!asset)
        missing(file);
}

template <> Resource<ALLEGRO_BITMAP>::~Resource() {
    al_destroy_bitmap(asset);
}

// Headless runs (the simulator, the tests) have no audio system, so there is nothing to load
// and nothing will ever play.
template <> Resource<ALLEGRO_SAMPLE>::Resource(const std::string& file) : ResourceBase(file) {
    asset = nullptr;
    if (!al_is_audio_installed())
        return;
    asset = al_load_sample(file.c_str());
    if (!asset) {
        asset = silentSample();
        std::printf("Unable to load sound (no SNDFILE support?): '%s'.\nFalling back to no sound.\n",
                    file.c_str());
        std::fflush(stdout);
    }
}

template <> Resource<ALLEGRO_SAMPLE>::~Resource() {
    al_destroy_sample(asset);
}

template <> Resource<Sheet>::Resource(const std::string& file) : ResourceBase(file) {
    asset = new Sheet(file.c_str());
}

template <> Resource<Sheet>::~Resource() {
    delete asset;
}
