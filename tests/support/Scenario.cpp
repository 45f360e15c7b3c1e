#include "support/Scenario.h"

#include "assets/Theme.h"
#include "core/AtomicFile.h"
#include "io/LevelText.h"

#include <gtest/gtest.h>

Scenario::Scenario(const std::string& folder, const std::vector<std::string>& rows,
                   const std::string& objects, const std::string& name)
    : levelFile(folder + "/" + name) {
    std::string text = "map\n";
    for (int row = 0; row < LevelText::ROWS; ++row) {
        std::string line = row < int(rows.size()) ? rows[row] : "";
        line.resize(LevelText::COLUMNS, '.');
        text += line + "\n";
    }
    text += "objects\n" + objects;
    std::vector<LevelRecord> records;
    std::string error;
    EXPECT_TRUE(LevelText::read(text, records, error)) << error;
    EXPECT_TRUE(AtomicFile::write(levelFile, LevelRecords::write(records)));
    if (!Theme::current)
        Theme::initialize();
}

ScriptedPlay& Scenario::start(const std::string& text) {
    std::string error;
    EXPECT_TRUE(script.parse(text, error)) << error;
    running.reset();
    running.reset(new ScriptedPlay(levelFile.c_str(), script));
    return *running;
}

Avatar* Scenario::avatar() {
    return running->session.avatar();
}

void Scenario::step(int steps) {
    for (int i = 0; i < steps; ++i)
        running->update(ScriptedPlay::STEP);
}
