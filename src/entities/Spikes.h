#pragma once

#include "world/Entity.h"
#include "world/Kind.h"

class Sheet;

// A row of spikes filling one cell; the avatar dies on touching their kill line, 2 pixels
// above the cell's bottom.
class Spikes : public Entity {
public:
    Sheet* sheet;

    Spikes();

    const char* code() override { return Kinds::SPIKES.code; }
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    Entity* clone() override { return new Spikes(); }
    std::string edString() override { return Kinds::SPIKES.label; }
};
