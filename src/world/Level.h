#pragma once

#include "world/Geometry.h"

class Tile;
class World;

// The 40 × 30 grid of a world's tiles: one lookup per collision query, and each tile's
// knowledge of which of its sides border a different cell. Destroying it destroys its tiles.
class Level {
public:
    static const int COLUMNS = 40;
    static const int ROWS = 30;

    Tile* grid[COLUMNS * ROWS] = {};  // column-major: cell (col, row) is col × ROWS + row
    int garbageCount = 0;             // loose garbage in the world when the tiles were taken in

    Level() = default;
    ~Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    Tile* tile(int col, int row);  // null outside the grid
    // The tile whose cell holds p, if its type is present: the one solidity test of the game.
    Tile* collision(Vec p);
    // Takes in the world's tiles. A tile outside the grid or in an occupied cell is handed
    // back to the world to be discarded, so each cell holds one tile and each tile one owner.
    void addTiles(World* world);
    void setup();
};
