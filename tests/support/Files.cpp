#include "support/Files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

std::vector<uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::string fileText(const std::string& path) {
    std::vector<uint8_t> bytes = fileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> levelSourceNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(SORRELMOOR_SOURCE_DIR "/level-src"))
        if (entry.path().extension() == ".txt")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<int> numberedLevelSources() {
    std::vector<int> numbers;
    for (const std::string& name : levelSourceNames())
        if (std::isdigit(static_cast<unsigned char>(name[0])))
            numbers.push_back(std::stoi(name));
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}
