#pragma once

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: the library started once as the game starts it (memory
// bitmaps, no display), and a failed invariant that stops the run loudly.
void startLibraryOnce();
void require(bool holds, const char* invariant);

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
