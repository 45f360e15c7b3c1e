#include "progress/LevelInfo.h"

#include <cmath>
#include <cstring>

LevelInfo::LevelInfo(int index) : unlocked(index <= 2) {}

void LevelInfo::load(const uint8_t* bytes) {
    unlocked = bytes[0] != 0;
    completed = bytes[1] != 0;
    goldenCrown = bytes[2] != 0;
    silverCrown = bytes[3] != 0;
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | bytes[4 + i];
    std::memcpy(&bestTime, &bits, sizeof bestTime);
    // A damaged time (not a number, infinite or negative) could never be beaten, nor shown.
    if (!std::isfinite(bestTime) || bestTime < 0)
        bestTime = NO_TIME;
}

void LevelInfo::save(std::vector<uint8_t>& out) const {
    out.push_back(unlocked ? 1 : 0);
    out.push_back(completed ? 1 : 0);
    out.push_back(goldenCrown ? 1 : 0);
    out.push_back(silverCrown ? 1 : 0);
    uint64_t bits;
    std::memcpy(&bits, &bestTime, sizeof bits);
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}
