#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Whole files as bytes or text (empty when the file is missing), and the repository's level sources.
std::vector<uint8_t> fileBytes(const std::string& path);
std::string fileText(const std::string& path);
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// The stems of level-src/*.txt, sorted: "1" .. "14", "title", "victory".
std::vector<std::string> levelSourceNames();
// The numbered ones among them, as numbers in order.
std::vector<int> numberedLevelSources();
