#pragma once

#include "Synth.h"

#include <istream>
#include <string>

// A sound effect: its voices and the peak level it is normalised to.
struct SoundRecipe {
    double peakDb = -1;
    std::vector<Voice> voices;
};

constexpr double kLongestSound = 0.6;  // seconds; effects are short
constexpr double kLoudestPeakDb = -1;  // headroom so the mixer never clips one sound alone

SoundRecipe parseSoundRecipe(std::istream& in, const std::string& fileName);

// Mono samples in [-1, 1]: mixed, faded at both ends and normalised.
std::vector<float> renderSound(const SoundRecipe& recipe);
