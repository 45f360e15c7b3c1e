#pragma once

#include <vector>

// One synthesised layer of a sound: an oscillator or filtered noise under a rise-and-fall envelope.
enum class Wave { Sine, Triangle, Square, Saw, Noise };
enum class FilterMode { None, LowPass, HighPass, BandPass };

struct Voice {
    Wave wave = Wave::Sine;
    double start = 0;       // seconds from the start of the sound
    double length = 0.1;    // seconds
    double freqFrom = 440;  // Hz; swept exponentially to freqTo over the voice's length
    double freqTo = 440;
    double duty = 0.5;      // pulse width of the square wave
    double attack = 0.002;  // seconds of linear rise
    double power = 2;       // fall (1 - t/length)^power; 0 holds the level to the end
    double gain = 1;
    double vibratoRate = 0;    // Hz
    double vibratoDepth = 0;   // semitones
    double bandLimit = 16000;  // highest harmonic frequency kept, Hz
    FilterMode filter = FilterMode::None;
    // Hz at evenly spaced moments from the voice's start to its end, swept exponentially between them:
    // one holds, two sweep, three rise and fall (a whoosh).
    std::vector<double> cutoff{1000};
    double resonance = 0.7;  // 0 (sharp) .. 1 (flat) damping of the filter
    int stages = 1;          // filters in a row: 2 makes the slopes twice as steep
    unsigned seed = 1;
};

constexpr int kSampleRate = 44100;

// Mixes the voices into a buffer of the given length (seconds) at kSampleRate.
std::vector<float> renderVoices(const std::vector<Voice>& voices, double seconds);

// Scales so that the largest magnitude is `peak` (linear); silence stays silent.
void normalisePeak(std::vector<float>& samples, double peak);

// Raised-cosine fades at both ends, so the sound starts and stops at zero without a click.
void fadeEnds(std::vector<float>& samples, double fadeInSeconds, double fadeOutSeconds);
