#include "ModuleRender.h"

#include "music/a5play.h"

#include <dumb.h>

#include <fstream>

namespace {

constexpr int kRate = 44100, kFragment = 4096;

struct LoopWatch {
    DUH_SIGRENDERER* renderer = nullptr;
    long position = -1; // 65536ths of a second at the first jump back
};

int noteLoop(void* data) {
    LoopWatch* watch = static_cast<LoopWatch*>(data);
    if (watch->position < 0)
        watch->position = duh_sigrenderer_get_position(watch->renderer);
    return 0; // play on through the seam
}

// As the game starts DUMB: once, at the resampling quality it plays with.
bool startDumbOnce() {
    static const bool started = al_init_dumb_addon(1);
    return started;
}

// The song length and restart position words of the XM header.
void readOrderCounts(const char* path, RenderedModule& out) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[68] = {};
    if (in.read(reinterpret_cast<char*>(header), sizeof header)) {
        out.orders = header[64] | header[65] << 8;
        out.restartOrder = header[66] | header[67] << 8;
    }
}

} // namespace

RenderedModule renderModule(const char* path, float volume, double secondsAfterLoop, double longest) {
    RenderedModule out;
    DUH* duh = startDumbOnce() ? dumb_load_xm_quick(path) : nullptr;
    if (!duh)
        return out;
    out.loaded = true;
    readOrderCounts(path, out);
    LoopWatch watch;
    watch.renderer = dumb_it_start_at_order(duh, 2, 0);
    dumb_it_set_loop_callback(duh_get_it_sigrenderer(watch.renderer), noteLoop, &watch);
    std::vector<int16_t> fragment(kFragment * 2);
    while (out.pcm.seconds() < longest &&
           (watch.position < 0 || out.pcm.seconds() < watch.position / 65536.0 + secondsAfterLoop)) {
        long frames = al_duh_render_fragment(watch.renderer, volume, kRate, kFragment, fragment.data());
        if (frames <= 0)
            break;
        out.pcm.samples.insert(out.pcm.samples.end(), fragment.begin(), fragment.begin() + frames * 2);
    }
    out.loopSeconds = watch.position < 0 ? -1 : watch.position / 65536.0;
    duh_end_sigrenderer(watch.renderer);
    unload_duh(duh);
    return out;
}
