#include "states/GuiButton.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "assets/Sound.h"
#include "core/AppStateBase.h"
#include "input/Controls.h"

namespace {

int alphaOf(GuiButton::State state) {
    switch (state) {
    case GuiButton::DISABLED:
        return 64;
    case GuiButton::HOVERED:
        return 255;
    default:
        return 192;
    }
}

}  // namespace

GuiButton::GuiButton(Rect area, const std::string& caption, bool isEnabled)
    : rectangle(area), enabled(isEnabled), label(caption) {
    Resources::load(font, "media/font.ttf");
    Resources::load(clickSound, "media/land.wav");
}

const int* GuiButton::indices() {
    static const int tags[] = {Tags::ENTT, Tags::RNDR, Tags::DYNA, 0};
    return tags;
}

int GuiButton::order(int index) {
    return index == Tags::RNDR ? 99 : Entity::order(index);
}

void GuiButton::update(double) {
    if (!enabled) {
        setState(DISABLED);
        return;
    }
    ALLEGRO_MOUSE_STATE* mouse = AppStateBase::sCurrent->mouseState();
    if (!rectangle.contains(mouse->x, mouse->y)) {
        setState(NORMAL);
        return;
    }
    setState(HOVERED);
    if (Controls::get().click->on())
        press();
}

void GuiButton::render() {
    const Rect& r = rectangle;
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA,
                     al_map_rgba(255, 255, 255, alphaOf(state)));
    Draw::filledRectangle(r.x1, r.y1, r.x2, r.y2, al_map_rgb(48, 48, 64));
    Draw::rectangle(r.x1, r.y1, r.x2, r.y2, al_map_rgb(0, 0, 0), 2);
    Draw::setOrdinaryBlender();
    if (focused)
        drawFocusRing();
    Draw::text(font, (r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2 - 7, ALLEGRO_ALIGN_CENTRE, label);
}

// Outside the box, within the gap between level buttons, so the box itself looks as it
// always does: white over a black edge shows on light and dark skies alike.
void GuiButton::drawFocusRing() {
    const Rect& r = rectangle;
    Draw::rectangle(r.x1 - 4, r.y1 - 4, r.x2 + 4, r.y2 + 4, al_map_rgb(0, 0, 0), 3);
    Draw::rectangle(r.x1 - 4, r.y1 - 4, r.x2 + 4, r.y2 + 4, al_map_rgb(255, 255, 255), 1.5);
}

void GuiButton::press() {
    clicked = true;
    Sound::play(clickSound, 1.0f, 1.0f);
}

bool GuiButton::takeClick() {
    bool was = clicked;
    clicked = false;
    return was;
}
