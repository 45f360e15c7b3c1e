#pragma once

#include "world/Entity.h"

#include <allegro5/allegro.h>

// A short-lived sprite of a burst: moves in a straight line, gains or loses a fixed fraction
// of its speed each update, fades out over its life and then discards itself.
class Particle : public Entity {
public:
    ALLEGRO_BITMAP* image;
    Vec velocity;  // pixels per second
    double life;   // seconds left
    double initialLife;
    double drag;  // fraction of the velocity removed per update; negative speeds it up
    int blend;    // destination factor while drawn: ONE glows, INVERSE_ALPHA is see-through

    Particle(const char* imageFile, Vec position, Vec velocity, double life, double drag, int blend);

    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    const void* runKey() override;  // one per blend: a run shares its blender
    void renderRun(Entity* const* first, Entity* const* last) override;
    int alpha() const;  // 255 when born, fading with the life left

    // The smoke of something destroyed: 20 grey puffs drifting up around a point.
    static void puffAt(World* world, Vec position);
};
