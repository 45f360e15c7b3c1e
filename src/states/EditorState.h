#pragma once

#include "input/Key.h"
#include "input/MouseKey.h"
#include "input/OnPress.h"
#include "states/AppState.h"
#include "states/EditorNotice.h"
#include "world/World.h"

#include <allegro5/allegro_font.h>

#include <memory>
#include <vector>

// The level editor: copies of a chosen prototype are placed on the 20-pixel grid with the
// mouse and erased with the right button; S and L save and reload "levels/edit.lv", P test-plays.
// Each command leaves a line on screen saying what it did; F1 shows the keys.
class EditorState : public AppState<int> {
public:
    static const int COLUMNS = 40;
    static const int ROWS = 30;

    std::vector<std::unique_ptr<Entity>> palette;
    int selected = 0;
    World world;  // what has been placed; never updated, only drawn
    int lastCellX = -1;
    int lastCellY = -1;
    ALLEGRO_FONT* font;
    Entity* grid[COLUMNS * ROWS] = {};  // column-major, like the level grid
    int lastWheel = 0;
    EditorNotice notice;
    bool helpShown = false;

    EditorState();
    ~EditorState() override;

    void update(double dt) override;
    void render(ALLEGRO_DISPLAY* display) override;

private:
    void buildPalette();
    void startFromHere();
    void place(int cellX, int cellY);
    void erase(int cellX, int cellY);
    void choosePrototype();
    void saveWorkingFile();
    void loadWorkingFile();
    void testPlay();
    void clearAll();

    // Sources first: each press switch follows the key it watches.
    MouseKey leftButton{MouseKey::LEFT};
    OnPress click{&leftButton};
    MouseKey leftHeld{MouseKey::LEFT};
    MouseKey rightHeld{MouseKey::RIGHT};
    Key zKey{ALLEGRO_KEY_Z};
    OnPress previous{&zKey};
    Key xKey{ALLEGRO_KEY_X};
    OnPress next{&xKey};
    Key sKey{ALLEGRO_KEY_S};
    OnPress saveKey{&sKey};
    Key lKey{ALLEGRO_KEY_L};
    OnPress loadKey{&lKey};
    Key pKey{ALLEGRO_KEY_P};
    OnPress playKey{&pKey};
    Key f1Key{ALLEGRO_KEY_F1};
    OnPress helpKey{&f1Key};
    bool started = false;  // the first frame takes the wheel and the cell as they are
};
