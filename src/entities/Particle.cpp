#include "entities/Particle.h"

#include "assets/Draw.h"
#include "assets/Resources.h"

Particle::Particle(const char* imageFile, Vec position, Vec velocity, double life, double drag, int blend)
    : velocity(velocity), life(life), initialLife(life), drag(drag), blend(blend) {
    setPos(position);
    Resources::load(image, imageFile);
}

const int* Particle::indices() {
    static const int tags[] = {Tags::ENTT, Tags::RNDR, Tags::DYNA, 0};
    return tags;
}

int Particle::order(int index) {
    return index == Tags::RNDR ? 80 : Entity::order(index);
}

void Particle::update(double dt) {
    setPos(Vec(x() + velocity.x * dt, y() + velocity.y * dt));
    life -= dt;
    velocity = Vec(velocity.x - velocity.x * drag, velocity.y - velocity.y * drag);
    if (life <= 0)
        discard();
}

void Particle::render() {
    int alpha = static_cast<int>(255 * life / initialLife) & 0xFF;
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, blend, al_map_rgba(255, 255, 255, alpha));
    Draw::bitmap(image, x(), y());
    Draw::setOrdinaryBlender();
}
