#pragma once

#include <string>

class Entity;

// Every kind of object a level file can hold, in one table: its two-letter code, the bytes
// that follow the code, column and row, its words in the text form, and its prototype once
// its class exists. A new kind is added here and in its own files, nowhere else.
struct Kind {
    enum Payload {
        NONE,      // nothing after column and row
        BYTE,      // one value 0-255: tile type, container count
        FLAG,      // one flag: feral, vertical
        CHANNEL,   // a channel byte and an on flag
        TEXT,      // characters up to a "$"
    };

    const char* code;
    const char* keyword;  // in the text form's object list
    Payload payload;
    char symbol;          // in the text form's map, or 0: only in the list
    char flaggedSymbol;   // the map symbol when the flag is set, or 0
    const char* flagWords[2];  // the flag's words in the list, clear then set; null when no flag
    Entity* (*prototype)();  // null until the kind's class lands

    int payloadBytes() const;  // fixed size, or -1 for text
};

namespace Kinds {

const Kind* byCode(const std::string& code);
const Kind* byKeyword(const std::string& keyword);
const Kind* const* all();  // null-terminated, in table order

// Map symbols of tile types 0-15.
char tileSymbol(int type);
int tileType(char symbol);  // -1 when not a tile symbol

} // namespace Kinds
