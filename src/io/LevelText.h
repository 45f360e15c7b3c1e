#pragma once

#include "io/LevelRecord.h"

#include <string>
#include <vector>

// The readable form of a level: a 40 x 30 character map of tiles and simple objects, then a
// list of the objects that carry values or share a cell. Lines starting with '#' are comments.
//
//   map
//   ........................................   (30 rows of 40 characters)
//   objects
//   sign 3 4 "Pull the lever"
//   container 10 27 2
//   lever 5 20 1 on
namespace LevelText {

const int COLUMNS = 40;
const int ROWS = 30;

// Records in the order the text form gives them: signs by column then row, the map row by
// row, then the list as written; the order every level file made from text has.
std::string write(const std::vector<LevelRecord>& records);
// False, with "line N: reason", for anything malformed; nothing is guessed.
bool read(const std::string& text, std::vector<LevelRecord>& records, std::string& error);

}  // namespace LevelText
