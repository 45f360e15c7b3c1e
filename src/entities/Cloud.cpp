#include "entities/Cloud.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "assets/Theme.h"
#include "core/Random.h"

namespace {

const double SCREEN_WIDTH = 800;
const double BEHIND_FADE = 0.7;

float randomHeight() {
    return randomFloat(-20, 580);
}

}  // namespace

// The draws come in a fixed order, so that a seeded run always builds the same sky.
Cloud::Cloud(bool) {
    Resources::load(image, "media/cloud.png");
    float startX = randomFloat(-60, 860);
    float startY = randomHeight();
    setPos(Vec(startX, startY));
    speed = randomFloat(15, 30);
    behind = Theme::current && Theme::current->behind();
}

const int* Cloud::indices() {
    static const int tags[] = {Tags::ENTT, Tags::RNDR, Tags::DYNA, Tags::POSI, 0};
    return tags;
}

int Cloud::order(int index) {
    if (index == Tags::RNDR)
        return behind ? 10 : 90;
    return Entity::order(index);
}

void Cloud::update(double dt) {
    setX(x() - speed * dt);
    if (x() < -al_get_bitmap_width(image))
        setPos(Vec(SCREEN_WIDTH, randomHeight()));
}

// The theme's colour is read at every drawing, so a change of theme shows at once.
void Cloud::render() {
    unsigned char r = 255, g = 255, b = 255, a = 128;
    if (Theme::current)
        al_unmap_rgba(Theme::current->cloudColor(), &r, &g, &b, &a);
    if (behind)
        a = static_cast<unsigned char>(a * BEHIND_FADE);
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgba(r, g, b, a));
    Draw::bitmap(image, x(), y());
    Draw::setOrdinaryBlender();
}
