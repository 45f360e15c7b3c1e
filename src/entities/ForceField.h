#pragma once

#include "world/Entity.h"
#include "world/Kind.h"

// A beam across one cell, between posts at both ends, that kills the avatar on contact; bags
// and baddies pass through it.
class ForceField : public Entity {
public:
    bool vertical;     // top to bottom through the centre, else left to right
    double clock = 0;  // drives the current running along the beam

    explicit ForceField(bool vertical);

    const char* code() override { return Kinds::FORCE_FIELD.code; }
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    void save(FILE* file) override;
    void load(FILE* file) override;
    Entity* clone() override { return new ForceField(vertical); }
    std::string edString() override;
};
