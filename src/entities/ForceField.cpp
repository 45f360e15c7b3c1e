#include "entities/ForceField.h"

#include "assets/Draw.h"
#include "core/SPrintF.h"
#include "entities/Avatar.h"
#include "world/World.h"

ForceField::ForceField(bool vertical) : vertical(vertical) {}

const int* ForceField::indices() {
    static const int tags[] = {Tags::ENTT, Tags::RNDR, Tags::DYNA, Tags::POSI, 0};
    return tags;
}

int ForceField::order(int index) {
    return index == Tags::RNDR ? 70 : Entity::order(index);
}

std::string ForceField::edString() {
    return SPrintF::format("forcefield(%s)", vertical ? "v" : "h");
}

// The beam's centre and both of its ends.
void ForceField::update(double) {
    Avatar* avatar = world ? static_cast<Avatar*>(world->entity(Tags::AVAT)) : nullptr;
    if (!avatar)
        return;
    Rect box = avatar->bbox();
    bool hit = vertical ? box.contains(x() + 10, y() + 10) || box.contains(x() + 10, y() + 20) ||
                              box.contains(x() + 10, y())
                        : box.contains(x() + 10, y() + 10) || box.contains(x(), y() + 10) ||
                              box.contains(x() + 20, y() + 10);
    if (hit)
        avatar->die("got baked by a force field");
}

// A yellow glow with a white core, added onto whatever is behind.
void ForceField::render() {
    float px = x();
    float py = y();
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::ONE, al_map_rgb(255, 255, 255));
    ALLEGRO_COLOR glow = al_map_rgba(255, 255, 0, 36);
    ALLEGRO_COLOR core = al_map_rgba(255, 255, 255, 128);
    if (vertical) {
        Draw::filledRectangle(px + 8, py, px + 13, py + 20, glow);
        Draw::filledRectangle(px + 10, py, px + 11, py + 20, core);
    } else {
        Draw::filledRectangle(px, py + 8, px + 20, py + 13, glow);
        Draw::filledRectangle(px, py + 10, px + 20, py + 11, core);
    }
    Draw::setOrdinaryBlender();
}

void ForceField::save(FILE* file) {
    Entity::save(file);
    saveByte(file, vertical ? 1 : 0);
}

void ForceField::load(FILE* file) {
    Entity::load(file);
    vertical = loadByte(file) > 0;
}
