#include "entities/Particle.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "core/Random.h"
#include "world/World.h"

Particle::Particle(const char* imageFile, Vec position, Vec startVelocity, double lifetime, double dragRate,
                   int blending)
    : velocity(startVelocity), life(lifetime), initialLife(lifetime), drag(dragRate), blend(blending) {
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
    Entity* self = this;
    renderRun(&self, &self + 1);
}

const void* Particle::runKey() {
    static const int glowing = 0, seeThrough = 0;
    return blend == Draw::ONE ? &glowing : &seeThrough;
}

// The blender once for the run, each spark faded through its own colour.
void Particle::renderRun(Entity* const* first, Entity* const* last) {
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, blend, al_map_rgb(255, 255, 255));
    Draw::holdBitmaps();
    for (Entity* const* entity = first; entity != last; ++entity) {
        Particle* particle = static_cast<Particle*>(*entity);
        int alpha = particle->alpha();
        Draw::tintedBitmap(particle->image, particle->x(), particle->y(), al_map_rgba(255, 255, 255, alpha));
    }
    Draw::releaseBitmaps();
    Draw::setOrdinaryBlender();
}

// A particle born without life has nothing left to fade: it shows as gone.
int Particle::alpha() const {
    if (initialLife <= 0)
        return 0;
    return static_cast<int>(255 * life / initialLife) & 0xFF;
}

// Each puff draws its offsets and its rising speed in this order.
void Particle::puffAt(World* world, Vec position) {
    for (int i = 0; i < 20; ++i) {
        float r1 = randomFloat(-10, 10);
        float r2 = randomFloat(-10, 10);
        float r3 = randomFloat(-7, -15);
        world->add(new Particle("media/puff.png", Vec(position.x + r1, position.y + r2), Vec(0, r3), 0.8,
                                -0.02, Draw::INVERSE_ALPHA));
    }
}
