#pragma once

class Level;

// The record of one attempt at a level: its tile grid and the statistics of the summary panel.
// A record publishes itself as sGame while it lives and gives the place back to the record it
// displaced when it goes, so a level playing behind another (the title screen's) keeps its own.
class Game {
public:
    static Game* sGame;  // the record of the innermost running play state, or null

    Level* level;             // owned
    double looseGarbage = 0;  // loose garbage collected
    double elapsedTime = 0;   // seconds
    double jumps = 0;
    double doubleJumps = 0;
    double throws = 0;
    double pixelsTraversed = 0;

    Game();
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

private:
    Game* displaced;
};
