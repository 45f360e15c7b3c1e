#pragma once

#include "progress/LevelInfo.h"

#include <cstdint>
#include <string>
#include <vector>

// The player's progress: one record per numbered level and the game-wide death count.
class Config {
public:
    static Config* instance;  // created empty by whichever code needs it first
    static Config& get();

    std::vector<LevelInfo> levels;
    int32_t deaths = 0;
    std::string path = "sorrelmoor.dat";  // relative to the working directory
    int levelFiles = 0;                   // counted at start

    // Reads the progress file and makes sure every level file has a record.
    void initialize(int levelCount);
    // Levels that can be played: the level files counted at start that have a record. Records
    // beyond them (kept from a larger set of levels) are still kept and written back.
    int playableLevels() const;
    // Writes the whole store; on failure prints one line and leaves the old file as it was.
    void save();
    // Records a finished level (index -1, the editor's test play, is ignored) and saves.
    void levelComplete(int index, bool allGarbage, double time);

    void countDeath();  // stops at the largest count the file holds
    int completions() const;
    int unlockPoints() const;
    // Levels beyond the table of target times get its last entry.
    static double timeAttackTime(int index);

    std::vector<uint8_t> serialize() const;
    // Keeps only the records wholly present in the bytes.
    void deserialize(const std::vector<uint8_t>& bytes);
};
