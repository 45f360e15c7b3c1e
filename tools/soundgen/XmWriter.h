#pragma once

#include "XmModule.h"

// Serialises a module to the bytes of an .xm file (version 1.04, linear frequencies,
// packed patterns, 16-bit delta-encoded samples).
std::vector<uint8_t> writeXm(const xm::Module& module);
