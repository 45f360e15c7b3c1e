#pragma once

#include "world/Entity.h"
#include "world/Kind.h"

#include <allegro5/allegro_audio.h>

class Sheet;

// A piece of loose garbage, bobbing and glowing; collected at a touch of the avatar.
class Garbage : public Entity {
public:
    Sheet* sheet;
    ALLEGRO_SAMPLE* pickupSound;
    double clock = 0;  // drives the bobbing and the glow
    int frame;         // which of the three kinds

    Garbage();
    const char* code() override { return Kinds::GARBAGE.code; }
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    Entity* clone() override { return new Garbage(); }
    std::string edString() override { return Kinds::GARBAGE.label; }

private:
    void collect();
};
