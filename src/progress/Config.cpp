#include "progress/Config.h"

#include "core/AtomicFile.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

const double _timeAttackTimes[] = {15.0, 21.0, 13.5, 12.5, 20.0, 29.0, 10.6,  21.5,
                                   16.1, 19.8, 33.0, 27.0, 41.0, 18.0, 100.0, 100.0};
const int TARGET_COUNT = sizeof _timeAttackTimes / sizeof _timeAttackTimes[0];
const size_t HEADER_BYTES = 5;  // deaths, then the record count
const size_t MAX_RECORDS = 255;

}  // namespace

Config* Config::instance = nullptr;

Config& Config::get() {
    if (!instance)
        instance = new Config();
    return *instance;
}

void Config::initialize(int levelCount) {
    levelFiles = levelCount;
    std::vector<uint8_t> bytes;
    if (AtomicFile::read(path, bytes))
        deserialize(bytes);
    for (int i = static_cast<int>(levels.size()); i < levelCount; ++i)
        levels.emplace_back(i);
}

void Config::deserialize(const std::vector<uint8_t>& bytes) {
    levels.clear();
    deaths = 0;
    if (bytes.size() < 4)
        return;
    uint32_t count = 0;
    for (int i = 3; i >= 0; --i)
        count = (count << 8) | bytes[i];
    // A negative count can only come from a damaged file.
    deaths = std::max(static_cast<int32_t>(count), 0);
    if (bytes.size() < HEADER_BYTES)
        return;
    size_t stated = bytes[4];
    size_t present = (bytes.size() - HEADER_BYTES) / LevelInfo::BYTES;
    for (size_t i = 0; i < stated && i < present; ++i) {
        levels.emplace_back(static_cast<int>(i));
        levels.back().load(&bytes[HEADER_BYTES + i * LevelInfo::BYTES]);
    }
}

std::vector<uint8_t> Config::serialize() const {
    std::vector<uint8_t> out;
    uint32_t bits = static_cast<uint32_t>(deaths);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
    // The count is one byte: records past 255 could not be read back, so they are not written.
    size_t count = levels.size() < MAX_RECORDS ? levels.size() : MAX_RECORDS;
    out.push_back(static_cast<uint8_t>(count));
    for (size_t i = 0; i < count; ++i)
        levels[i].save(out);
    return out;
}

void Config::save() {
    if (!AtomicFile::write(path, serialize()))
        std::printf("Unable to save progress to '%s'; the previous file is kept.\n", path.c_str());
}

void Config::levelComplete(int index, bool allGarbage, double time) {
    if (index < 0 || index >= static_cast<int>(levels.size()))
        return;
    LevelInfo& record = levels[index];
    record.completed = true;
    record.goldenCrown = record.goldenCrown || allGarbage;
    record.silverCrown = record.silverCrown || (allGarbage && time < timeAttackTime(index));
    if (allGarbage && time < record.bestTime)
        record.bestTime = time;
    int k = completions();
    for (int i = k; i < k + 3 && i < static_cast<int>(levels.size()); ++i)
        levels[i].unlocked = true;
    save();
}

int Config::playableLevels() const {
    return std::min(levelFiles, static_cast<int>(levels.size()));
}

void Config::countDeath() {
    if (deaths < std::numeric_limits<int32_t>::max())
        ++deaths;
}

int Config::completions() const {
    int count = 0;
    for (const LevelInfo& level : levels)
        count += level.completed ? 1 : 0;
    return count;
}

int Config::unlockPoints() const {
    int points = 0;
    for (const LevelInfo& level : levels)
        points += (level.completed ? 1 : 0) + (level.goldenCrown ? 1 : 0) + (level.silverCrown ? 1 : 0);
    return points;
}

double Config::timeAttackTime(int index) {
    if (index < 0 || index >= TARGET_COUNT)
        return _timeAttackTimes[TARGET_COUNT - 1];
    return _timeAttackTimes[index];
}
