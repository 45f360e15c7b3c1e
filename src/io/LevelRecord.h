#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Kind;

// One record of a level file, read and written by bytes alone (no game objects), for the
// level tool and the text form.
struct LevelRecord {
    const Kind* kind = nullptr;
    int col = 0;
    int row = 0;
    int value = 0;  // tile type, container count, channel, or the flag
    bool on = false;  // the on flag of levers and pads
    std::string text;  // a sign's

    bool isSign() const;
};

namespace LevelRecords {

// False, with the reason, for an unknown code or a record cut off by the end of the bytes.
bool parse(const std::vector<uint8_t>& bytes, std::vector<LevelRecord>& records, std::string& error);
std::vector<uint8_t> write(const std::vector<LevelRecord>& records);

} // namespace LevelRecords
