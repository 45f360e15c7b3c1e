#pragma once

#include "TextLines.h"
#include "XmModule.h"

#include <vector>

// An instrument of a composition: "instrument NAME key=value..." and the voice lines after it.
struct InstrumentRecipe {
    TextLine header;
    std::vector<TextLine> voices;
};

constexpr double kMiddleC = 261.6256;  // Hz; XM note C-4 sounds at this pitch

// Synthesises the sample (looped at its end when loop= is given, every partial then rounded to
// whole cycles per loop so the loop is seamless) and tunes it so that C-4 plays at middle C.
xm::Instrument buildInstrument(const InstrumentRecipe& recipe);

// Relative note and finetune that make a sample with this fundamental, at kSampleRate, sound at
// middle C when played at C-4.
void tuneSample(xm::Sample& sample, double fundamental);
