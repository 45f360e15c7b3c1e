#include "states/GuiText.h"

#include "assets/Draw.h"
#include "assets/Resources.h"

GuiText::GuiText(Vec position, const std::string& words, bool blinks) : text(words), blinking(blinks) {
    Resources::load(font, "media/font.ttf");
    setPos(position);
}

const int* GuiText::indices() {
    static const int tags[] = {Tags::ENTT, Tags::RNDR, 0};
    return tags;
}

int GuiText::order(int index) {
    return index == Tags::RNDR ? 60 : Entity::order(index);
}

// A blinking label is hidden for two of every seven tenths of a second.
void GuiText::render() {
    if (blinking && static_cast<long>(clock * 10) % 7 > 4)
        return;
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgb(0, 0, 0));
    Draw::text(font, x() + 1, y() + 1, ALLEGRO_ALIGN_CENTRE, text);
    Draw::setOrdinaryBlender();
    Draw::text(font, x(), y(), ALLEGRO_ALIGN_CENTRE, text);
}
