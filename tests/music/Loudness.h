#pragma once

#include <cstdint>
#include <vector>

// Interleaved stereo 16-bit audio, as the music player hands it to the mixer.
struct StereoPcm {
    int rate = 44100;
    std::vector<int16_t> samples; // left, right, left, right...
    double seconds() const { return double(samples.size()) / 2 / rate; }
};

// Loudness as broadcasters measure it (ITU-R BS.1770-4): K-weighted mean square in 400 ms blocks that
// overlap by 75 %, both channels weighted 1. In LUFS.
struct Loudness {
    std::vector<double> momentary; // one block every 100 ms
    // Blocks above -70 LUFS and no more than 10 LU below their mean; -70 when nothing passes.
    double integrated = -70;
};

Loudness measureLoudness(const StereoPcm& pcm);

// The share of the signal's power above `hz` (a two-pole high-pass there), in dB below the whole.
double powerAboveDb(const StereoPcm& pcm, double hz);
