#pragma once

#include "world/World.h"

class Avatar;
class Game;

// One attempt at a level, without any device: the loaded world with its clouds, its game
// record and tile grid, stepped a frame at a time. The play state and the headless simulator
// both drive this, so a scripted run plays exactly what a player would.
class LevelSession {
public:
    World world;
    Game* game;  // owned; the running record while the session lives

    explicit LevelSession(const char* file);  // fatal when the file cannot be read
    ~LevelSession();
    LevelSession(const LevelSession&) = delete;
    LevelSession& operator=(const LevelSession&) = delete;

    // Every updating entity in list order, then the re-index.
    void step(double dt);
    Avatar* avatar();          // null in a level without one
    int garbageTotal() const;  // loose garbage the level started with
};
