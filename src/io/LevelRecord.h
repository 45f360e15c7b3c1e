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
    int value = 0;     // tile type, container count, channel, or the flag
    bool on = false;   // the on flag of levers and pads
    std::string text;  // a sign's

    bool isSign() const;
    // The record's character in the text form's map, or 0 when it must be listed with its values.
    char mapSymbol() const;
    // The record a map character stands for at a cell; false for '.' and unknown characters.
    static bool fromMapSymbol(char symbol, int col, int row, LevelRecord& record);
};

namespace LevelRecords {

// False, with the reason, for an unknown code or a record cut off by the end of the bytes.
bool parse(const std::vector<uint8_t>& bytes, std::vector<LevelRecord>& records, std::string& error);
std::vector<uint8_t> write(const std::vector<LevelRecord>& records);
// Signs by column, then row, as the game's writer orders them; equal places keep their order.
void sortSigns(std::vector<LevelRecord>& signs);

}  // namespace LevelRecords
