#pragma once

#include <string>
#include <vector>

// Writes 16-bit PCM mono at the given rate; samples are clamped to [-1, 1]. False when unwritable.
bool writeWav(const std::string& path, const std::vector<float>& samples, int rate);
