#pragma once

#include "world/Entity.h"
#include "world/Kind.h"

#include <allegro5/allegro_audio.h>

// An invisible emitter that now and then bursts into a ring of sparks with a bang.
class Fireworks : public Entity {
public:
    ALLEGRO_SAMPLE* bangSound;

    Fireworks();

    const char* code() override { return Kinds::FIREWORKS.code; }
    const int* indices() override;  // updated, never drawn through the world
    int order(int index) override;
    void update(double dt) override;
    Entity* clone() override { return new Fireworks(); }
    std::string edString() override { return Kinds::FIREWORKS.label; }

    void burst();
};
