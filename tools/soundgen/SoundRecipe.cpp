#include "SoundRecipe.h"

#include "TextLines.h"
#include "VoiceRecipe.h"

#include <algorithm>
#include <cmath>

SoundRecipe parseSoundRecipe(std::istream& in, const std::string& fileName) {
    SoundRecipe recipe;
    for (const TextLine& line : readTextLines(in, fileName)) {
        const std::string& keyword = line.words[0];
        if (keyword == "voice") {
            recipe.voices.push_back(parseVoice(line, 1.0));
            const Voice& v = recipe.voices.back();
            if (v.start + v.length >= kLongestSound)
                line.fail("a sound must end before 0.6 s");
        } else if (keyword == "peak" && line.words.size() == 2) {
            recipe.peakDb = std::stod(line.words[1]);
            if (recipe.peakDb > kLoudestPeakDb)
                line.fail("peak must be at most -1 dBFS");
        } else {
            line.fail("expected 'voice ...' or 'peak DB'");
        }
    }
    if (recipe.voices.empty())
        throw SourceError(fileName + ": no voices");
    return recipe;
}

std::vector<float> renderSound(const SoundRecipe& recipe) {
    double seconds = 0;
    for (const Voice& v : recipe.voices)
        seconds = std::max(seconds, v.start + v.length);
    std::vector<float> samples = renderVoices(recipe.voices, seconds);
    fadeEnds(samples, 0.002, 0.004);
    normalisePeak(samples, std::pow(10.0, recipe.peakDb / 20));
    return samples;
}
