#pragma once

#include "input/InputScript.h"
#include "states/ScriptedPlay.h"

#include <memory>
#include <string>
#include <vector>

// A small level for one test, drawn as text rows from the top of the 40 x 30 map (missing rows
// and columns are empty), compiled to a level file (FOLDER/NAME) and played headless through the
// game's own session and switches.
class Scenario {
public:
    Scenario(const std::string& folder, const std::vector<std::string>& rows, const std::string& objects = "",
             const std::string& name = "scenario.lv");

    // Starts the attempt with `script` ("FRAMES KEYS" lines); the level is read afresh.
    ScriptedPlay& start(const std::string& script);
    ScriptedPlay& play() { return *running; }
    Avatar* avatar();
    LevelSession& session() { return running->session; }
    void step(int steps = 1);  // more steps of the current script (keys past its end are up)

    std::string levelFile;

private:
    InputScript script;
    std::unique_ptr<ScriptedPlay> running;
};
