#pragma once

#include "states/GuiButton.h"

class Sheet;
struct LevelInfo;

// A title-screen button for one level: enabled while the level is unlocked, marked with its
// crowns, and showing the level's details while hovered.
class LevelButton : public GuiButton {
public:
    Sheet* crownSheet;  // frame 0 completed, 1 golden crown, 2 silver crown
    int level;          // 0-based

    LevelButton(Rect rectangle, int level);
    void update(double dt) override;
    void render() override;

private:
    LevelInfo* record();  // null for a level the progress store has no record of
    void drawCrowns(const LevelInfo& info);
    void drawDetails(const LevelInfo& info);
};
