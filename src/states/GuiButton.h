#pragma once

#include "world/Entity.h"

#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>

#include <string>

// A clickable box with a centred label. A click stays recorded until the owner clears it.
// A menu that lets the keyboard choose buttons marks one as focused, which draws a ring round it.
class GuiButton : public Entity {
public:
    enum State { DISABLED = 0, NORMAL = 1, HOVERED = 2 };

    ALLEGRO_FONT* font;
    ALLEGRO_SAMPLE* clickSound;
    Rect rectangle;  // screen pixels; the entity position is not used
    bool enabled;
    std::string label;
    bool clicked = false;
    State state = NORMAL;  // drawn as normal until the first update
    bool focused = false;

    GuiButton(Rect rectangle, const std::string& label, bool enabled);
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    virtual void setState(State newState) { state = newState; }

    // What a click does, for the mouse and for a key pressing the focused button alike.
    void press();
    // Reads the click and clears it, so each click is acted on once.
    bool takeClick();

private:
    void drawFocusRing();
};
