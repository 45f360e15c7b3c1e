#pragma once

#include "XmModule.h"

#include <istream>
#include <string>

// Turns a composition in our tracker-like text notation into a module; see media-src/audio/*.song.
xm::Module parseScore(std::istream& in, const std::string& fileName);
