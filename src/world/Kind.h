#pragma once

#include <memory>
#include <vector>

class Entity;

// Every kind of object a level file can hold, one row each: what its class reports about itself
// (code, editor label, drawing layer, the world lists it joins), the bytes that follow the code,
// column and row, its words in the text form, the prototype the level reader clones and the
// editor's palette entries. Each class defines its own row in its source file; a new kind is its
// own class files, its name below and its place in Kinds::all().
struct Kind {
    enum Payload {
        NONE,     // nothing after column and row
        BYTE,     // one value 0-255: tile type, container count
        FLAG,     // one flag: feral, vertical
        CHANNEL,  // a channel byte and an on flag
        TEXT,     // characters up to a "$"
    };
    using Palette = std::vector<std::unique_ptr<Entity>>;

    const char* code;
    const char* label;  // the editor's label, or how it begins where it carries values
    int layer;          // drawn over lower layers
    const int* tags;    // the world lists it joins, zero-terminated
    Payload payload;
    const char* keyword;                    // in the text form's object list
    char symbol;                            // in the text form's map, or 0: only in the list
    char flaggedSymbol;                     // the map symbol when the flag is set, or 0
    const char* flagWords[2];               // the flag's words in the list, clear then set; null when no flag
    Entity* (*prototype)();                 // what a record of this code is read into
    void (*addVariants)(Palette& palette);  // the editor's entries when more than the prototype, or null

    int payloadBytes() const;                   // fixed size, or -1 for text
    void addToPalette(Palette& palette) const;  // its variants, or else its prototype
};

namespace Kinds {

extern const Kind TILE, SIGN, BAG, GARBAGE, SPIKES, FORCE_FIELD, AVATAR, BADDIE, CONTAINER, LEVER, PRESS_PAD,
    FIREWORKS;

}  // namespace Kinds
