#pragma once

#include "Synth.h"
#include "TextLines.h"

// Builds a voice from a "voice key=value ..." line. Frequencies are in Hz (freq=) or, for
// instruments, multiples of the instrument's base pitch (ratio=).
Voice parseVoice(const TextLine& line, double baseFrequency);
