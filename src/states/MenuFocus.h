#pragma once

#include "states/GuiButton.h"

#include <allegro5/allegro.h>

#include "input/OnPress.h"

#include <memory>
#include <vector>

// The keyboard's place among a menu's buttons. The arrows move it to the nearest enabled button
// in their direction; Z, Space or Enter press it as a click would. It goes along with the mouse:
// a button the mouse moves onto takes the focus, and moving off the buttons hides a focus the
// mouse gave. The focused button shows as hovered, so the menu never has a hovered button and a
// different focused one.
class MenuFocus {
public:
    enum Direction { UP, DOWN, LEFT, RIGHT };

    MenuFocus();

    void start(GuiButton* button);  // shown from the first update
    // After the buttons' own update, which sets their enabled flags.
    void update(const std::vector<GuiButton*>& buttons, const ALLEGRO_MOUSE_STATE& mouse);
    GuiButton* focused() const { return shown ? current : nullptr; }

    // The box nearest to `from` among those wholly beyond its edge in `direction`, in line with
    // it first; -1 if there is none.
    static int nearest(const std::vector<Rect>& boxes, const Rect& from, Direction direction);

private:
    void followMouse(const std::vector<GuiButton*>& buttons, const ALLEGRO_MOUSE_STATE& mouse);
    void move(const std::vector<GuiButton*>& buttons, Direction direction);
    void showOn(const std::vector<GuiButton*>& buttons);

    std::unique_ptr<OnPress> arrows[4];  // in Direction order
    GuiButton* current = nullptr;        // kept while hidden: the arrows go on from there
    bool shown = false;
    bool givenByMouse = false;
    int mouseX = -1, mouseY = -1;  // where the mouse was last seen; nowhere at first
};
