#include "entities/PopUp.h"

#include "assets/Draw.h"
#include "assets/Resources.h"

namespace {

void useTint(ALLEGRO_COLOR tint) {
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, tint);
}

}  // namespace

PopUp::PopUp() {
    Resources::load(font, "media/font.ttf");
}

void PopUp::addLine(const std::string& label, const std::string& value) {
    lines.push_back({label, value});
}

const int* PopUp::indices() {
    static const int tags[] = {Tags::ENTT, Tags::RNDR, Tags::POSI, 0};
    return tags;
}

int PopUp::order(int index) {
    return index == Tags::RNDR ? 99 : Entity::order(index);
}

// Always at the top of the screen, whatever the entity's position: 15 + 18 px per line tall.
void PopUp::render() {
    if (!visible)
        return;
    float bottom = 15 + 18 * static_cast<float>(lines.size());
    useTint(al_map_rgba(255, 255, 255, 160));
    Draw::filledRectangle(5, 5, 795, bottom, al_map_rgb(0, 0, 0));
    useTint(al_map_rgba(255, 255, 255, 192));
    Draw::rectangle(5, 5, 796, bottom, al_map_rgb(0, 0, 0), 2);
    for (size_t i = 0; i < lines.size(); ++i)
        drawLine(lines[i], 12 + 18 * static_cast<float>(i));
    Draw::setOrdinaryBlender();
}

void PopUp::drawLine(const Line& line, float y) {
    useTint(al_map_rgb(0, 0, 0));
    Draw::text(font, 12, y + 1, ALLEGRO_ALIGN_LEFT, line.label);
    Draw::text(font, 788, y + 1, ALLEGRO_ALIGN_RIGHT, line.value);
    if (line.value == " ") {
        useTint(al_map_rgb(255, 255, 0));
        Draw::text(font, 12, y, ALLEGRO_ALIGN_LEFT, line.label);
        return;
    }
    useTint(al_map_rgb(255, 255, 255));
    Draw::text(font, 12, y, ALLEGRO_ALIGN_LEFT, line.label);
    Draw::text(font, 788, y, ALLEGRO_ALIGN_RIGHT, line.value);
}
