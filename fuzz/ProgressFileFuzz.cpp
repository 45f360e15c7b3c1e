// Any bytes as a progress file: the store keeps only whole records, every value it keeps can
// be shown and played on, and what it writes reads back the same.
#include "FuzzSupport.h"

#include "progress/Config.h"

#include <cmath>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Config config;
    config.deserialize(std::vector<uint8_t>(data, data + size));
    require(config.deaths >= 0, "the death count is never negative");
    require(config.levels.size() <= 255 && config.levels.size() <= size / 12, "only whole records are kept");
    for (const LevelInfo& level : config.levels)
        require(std::isfinite(level.bestTime) && level.bestTime >= 0, "a best time is a time");
    std::vector<uint8_t> written = config.serialize();
    Config again;
    again.deserialize(written);
    require(again.serialize() == written, "the written store reads back the same");
    config.countDeath();
    require(config.deaths >= 1, "a death always counts, up to the largest count");
    return 0;
}
