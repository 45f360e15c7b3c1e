#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Whole-file reads and writes. A write goes to a temporary file beside the target and is
// renamed over it only once complete, so the old file survives any failure or a killed process.
namespace AtomicFile {

bool read(const std::string& path, std::vector<uint8_t>& bytes);  // false when it cannot be opened
bool write(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace AtomicFile
