#pragma once

#include "Loudness.h"

// A shipped module rendered by the game's music player's own fragment renderer (DUMB at the game's
// resampling quality, stereo, 44100 Hz, fragments of 4096 frames, at the volume the game plays it),
// but faster than real time.
struct RenderedModule {
    bool loaded = false;
    StereoPcm pcm;
    double loopSeconds = -1; // where it first jumped back, -1 if it never did
    int restartOrder = -1;   // the order it jumps back to
    int orders = 0;
};

// Renders until `secondsAfterLoop` past the first jump back, or `longest` seconds in all.
RenderedModule renderModule(const char* path, float volume, double secondsAfterLoop, double longest);
