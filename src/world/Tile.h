#pragma once

#include "world/Entity.h"
#include "world/Kind.h"

class Level;

// A wall or floor cell. Its type is also its switch group: a tile is solid and drawn only
// while its type is present; an absent group shows as a faint outline of its shape.
class Tile : public Entity {
public:
    static const int TYPES = 16;
    static unsigned char sTypePresent[TYPES];  // 0-9 start present, 10-15 absent
    // Whether tiles of a type are present; types beyond the table never are.
    static bool present(int type);
    static void setPresent(int type, bool on);  // channels beyond the table change nothing
    // Groups 0-9 present again, as every screen leaves them after a level; 10-15 stay.
    static void restoreGroups();

    enum Side { LEFT = 1, RIGHT = 2, TOP = 4, BOTTOM = 8 };

    // How tiles look is the drawing layer's business, and it sits above the world: it hands
    // its painter over when it starts. A tile made after that readies the painter at once, so
    // nothing is loaded in the middle of a frame; without a painter tiles draw nothing.
    struct Painter {
        void (*ready)();
        void (*paintRun)(Entity* const* first, Entity* const* last);
    };
    static Painter sPainter;

    int type;
    Level* level;
    int mask = 0;  // the sides that border a different cell
    int col;
    int row;

    Tile(int type, Level* level, int col, int row);

    const char* code() override { return Kinds::TILE.code; }
    const int* indices() override;
    int order(int index) override;
    void render() override;         // a run of one
    const void* runKey() override;  // every tile: the run walks one sheet
    // The run's faces in one batch per type, then all of its edges in one fill: tiles never
    // overlap, so a tile's edges may wait until the faces after it are drawn.
    void renderRun(Entity* const* first, Entity* const* last) override;
    void save(FILE* file) override;
    void load(FILE* file) override;
    Entity* clone() override { return new Tile(type, nullptr, col, row); }
    std::string edString() override;

    bool differs(int col, int row);
    void setup();
};
