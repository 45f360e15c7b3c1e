#pragma once

#include "world/Kind.h"

#include <string>

namespace Kinds {

const Kind* byCode(const std::string& code);
const Kind* byKeyword(const std::string& keyword);
const Kind* const* all();  // null-terminated, in the editor's palette order

// Map symbols of tile types 0-15.
char tileSymbol(int type);
int tileType(char symbol);  // -1 when not a tile symbol

}  // namespace Kinds
