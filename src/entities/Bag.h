#pragma once

#include "entities/Carryable.h"
#include "world/Kind.h"

#include <allegro5/allegro.h>

// A tied garbage bag: falls, rests on tiles, is carried and thrown into containers.
class Bag : public Carryable {
public:
    ALLEGRO_BITMAP* image;

    Bag();
    const char* code() override { return Kinds::BAG.code; }
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    Rect bbox() override { return {x() + 2, y() + 4, x() + 17, y() + 20}; }
    Entity* clone() override { return new Bag(); }
    std::string edString() override { return Kinds::BAG.label; }

private:
    bool supported();
};
