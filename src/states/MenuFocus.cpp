#include "states/MenuFocus.h"

#include "input/Controls.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// 0 when the spans overlap or touch.
double gapBetween(double a1, double a2, double b1, double b2) {
    return std::max(0.0, std::max(a1, b1) - std::min(a2, b2));
}

// One box as seen from another, looking one way.
struct Reach {
    double along;   // from the leading edge to the box's near edge; negative unless wholly beyond
    double across;  // between their spans across the way; 0 when in line
    double offset;  // between their centres across the way
};

double alongTo(const Rect& from, const Rect& to, MenuFocus::Direction direction) {
    switch (direction) {
    case MenuFocus::UP:
        return from.y1 - to.y2;
    case MenuFocus::DOWN:
        return to.y1 - from.y2;
    case MenuFocus::LEFT:
        return from.x1 - to.x2;
    default:
        return to.x1 - from.x2;
    }
}

Reach reachOf(const Rect& from, const Rect& to, MenuFocus::Direction direction) {
    bool vertical = direction == MenuFocus::UP || direction == MenuFocus::DOWN;
    if (vertical)
        return {alongTo(from, to, direction), gapBetween(from.x1, from.x2, to.x1, to.x2),
                std::fabs(from.x1 + from.x2 - to.x1 - to.x2) / 2};
    return {alongTo(from, to, direction), gapBetween(from.y1, from.y2, to.y1, to.y2),
            std::fabs(from.y1 + from.y2 - to.y1 - to.y2) / 2};
}

// A box in line wins over any out of line, so the end of a row reaches the button beside it.
// Out of line, a pixel across costs two along: a move goes mostly the way it points.
auto rank(const Reach& r) {
    return std::make_tuple(r.across > 0, r.along + 2 * r.across, r.offset);
}

}  // namespace

MenuFocus::MenuFocus() {
    Controls& controls = Controls::get();
    Key* keys[] = {controls.up, controls.down, controls.left, controls.right};
    for (int i = 0; i < 4; ++i)
        arrows[i] = std::make_unique<OnPress>(keys[i]);
}

void MenuFocus::start(GuiButton* button) {
    current = button;
    shown = button != nullptr;
    givenByMouse = false;
}

void MenuFocus::update(const std::vector<GuiButton*>& buttons, const ALLEGRO_MOUSE_STATE& mouse) {
    bool present = std::find(buttons.begin(), buttons.end(), current) != buttons.end();
    if (current && (!present || !current->enabled))
        start(nullptr);
    followMouse(buttons, mouse);
    for (int direction = UP; direction <= RIGHT; ++direction)
        if (arrows[direction]->on())
            move(buttons, static_cast<Direction>(direction));
    Controls& controls = Controls::get();
    bool pressed = controls.jump->on() || controls.confirm->on() || controls.enter->on();
    if (pressed && focused())
        focused()->press();
    showOn(buttons);
}

// Only a mouse that moves or clicks takes the focus, so a resting pointer leaves the keys alone.
void MenuFocus::followMouse(const std::vector<GuiButton*>& buttons, const ALLEGRO_MOUSE_STATE& mouse) {
    bool moved = mouse.x != mouseX || mouse.y != mouseY;
    mouseX = mouse.x;
    mouseY = mouse.y;
    if (!moved && !Controls::get().click->on())
        return;
    for (GuiButton* button : buttons)
        if (button->enabled && button->rectangle.contains(mouse.x, mouse.y)) {
            current = button;
            shown = givenByMouse = true;
            return;
        }
    if (givenByMouse)
        shown = false;
}

// A hidden focus comes back where it was and moves on from there.
void MenuFocus::move(const std::vector<GuiButton*>& buttons, Direction direction) {
    std::vector<GuiButton*> others;
    std::vector<Rect> boxes;
    for (GuiButton* button : buttons)
        if (button->enabled && button != current) {
            others.push_back(button);
            boxes.push_back(button->rectangle);
        }
    givenByMouse = false;
    shown = current || !others.empty();
    if (!current) {
        current = others.empty() ? nullptr : others.front();
        return;
    }
    int next = nearest(boxes, current->rectangle, direction);
    if (next >= 0)
        current = others[next];
}

void MenuFocus::showOn(const std::vector<GuiButton*>& buttons) {
    for (GuiButton* button : buttons) {
        button->focused = button == focused();
        if (button->enabled)
            button->setState(button->focused ? GuiButton::HOVERED : GuiButton::NORMAL);
    }
}

int MenuFocus::nearest(const std::vector<Rect>& boxes, const Rect& from, Direction direction) {
    int best = -1;
    Reach bestReach{};
    for (size_t i = 0; i < boxes.size(); ++i) {
        Reach reach = reachOf(from, boxes[i], direction);
        if (reach.along >= 0 && (best < 0 || rank(reach) < rank(bestReach))) {
            best = static_cast<int>(i);
            bestReach = reach;
        }
    }
    return best;
}
