#pragma once

#include "world/Entity.h"

#include <string>

// A plain kind for world tests: joins entt, rndr and dyna on a layer of the test's choice,
// and counts its own destruction.
class Probe : public Entity {
public:
    int layer;
    int* destroyed;
    bool signLike = false;  // orders the all-entities list by position, as signs do

    explicit Probe(int drawLayer = 50, int* counter = nullptr) : layer(drawLayer), destroyed(counter) {}
    ~Probe() override {
        if (destroyed)
            ++*destroyed;
    }
    const int* indices() override {
        static const int tags[] = {Tags::ENTT, Tags::RNDR, Tags::DYNA, 0};
        return tags;
    }
    int order(int index) override {
        if (index == Tags::RNDR)
            return layer;
        return signLike ? static_cast<int>(600 * x() + y()) : Entity::order(index);
    }
};

// A body with a box of its own, for collision tests.
class Body : public Entity {
public:
    Rect box;
    Rect bbox() override { return {x() + box.x1, y() + box.y1, x() + box.x2, y() + box.y2}; }
};

// Puts a small sheet of `frames` solid 20 × 20 frames under the tile sheet's name in the
// resource cache, so tile tests do not depend on the generated media.
void provideTileSheet(const std::string& scratchFolder, int frames = 16);
