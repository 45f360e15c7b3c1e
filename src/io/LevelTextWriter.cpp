#include "io/LevelText.h"

#include "io/Kinds.h"

#include <cstdio>

namespace LevelText {

namespace {

const char LEGEND[] = "# Sorrelmoor level. Map: . empty, 0-9 A-F tiles by type, @ avatar, b bag, * garbage,\n"
                      "# ^ spikes, - | force fields, t f tame and feral baddies, ! fireworks.\n"
                      "# Objects: KIND COLUMN ROW and its values.\n";

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string values(const LevelRecord& record) {
    switch (record.kind->payload) {
    case Kind::NONE:
        return "";
    case Kind::BYTE:
        return " " + std::to_string(record.value);
    case Kind::FLAG:
        return std::string(" ") + record.kind->flagWords[record.value ? 1 : 0];
    case Kind::CHANNEL:
        return " " + std::to_string(record.value) + " " + record.kind->flagWords[record.on ? 1 : 0];
    case Kind::TEXT:
        return " " + quoted(record.text);
    }
    return "";
}

std::string listLine(const LevelRecord& record) {
    return std::string(record.kind->keyword) + " " + std::to_string(record.col) + " " +
           std::to_string(record.row) + values(record) + "\n";
}

bool inGrid(const LevelRecord& record) {
    return record.col < COLUMNS && record.row < ROWS;
}

}  // namespace

std::string write(const std::vector<LevelRecord>& records) {
    std::vector<std::string> map(ROWS, std::string(COLUMNS, '.'));
    std::vector<LevelRecord> signs;
    std::vector<LevelRecord> listed;
    for (const LevelRecord& record : records) {
        char symbol = record.mapSymbol();
        if (record.isSign())
            signs.push_back(record);
        else if (symbol && inGrid(record) && map[record.row][record.col] == '.')
            map[record.row][record.col] = symbol;
        else
            listed.push_back(record);
    }
    LevelRecords::sortSigns(signs);
    std::string text = std::string(LEGEND) + "map\n";
    for (const std::string& row : map)
        text += row + "\n";
    text += "objects\n";
    for (const LevelRecord& record : signs)
        text += listLine(record);
    for (const LevelRecord& record : listed)
        text += listLine(record);
    return text;
}

}  // namespace LevelText
