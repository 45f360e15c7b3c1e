#pragma once

#include <cstdint>
#include <vector>

// One numbered level's progress; record i belongs to level file i + 1.
struct LevelInfo {
    static constexpr int BYTES = 12;          // size of one stored record
    static constexpr double NO_TIME = 999.0;  // the best time before any finish with all loose garbage

    bool unlocked;
    bool completed = false;
    bool goldenCrown = false;   // finished with all loose garbage
    bool silverCrown = false;   // ... and under the target time
    double bestTime = NO_TIME;  // seconds, of finishes with all loose garbage

    explicit LevelInfo(int index);

    // Reads one record from bytes[0..BYTES); any non-zero flag byte is true, and a time that
    // is not a finite, non-negative number is no time.
    void load(const uint8_t* bytes);
    // Appends one record, each flag as 0 or 1 and the time as a little-endian IEEE double.
    void save(std::vector<uint8_t>& out) const;
};
