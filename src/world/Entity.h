#pragma once

#include "world/Geometry.h"
#include "world/IndexTag.h"

#include <cstdio>
#include <string>

class World;

// The base of every object in a world: a position on the 20-pixel grid, the lists it joins,
// and its record in level files (code, column, row, then the kind's own bytes).
class Entity {
public:
    World* world = nullptr;  // set when the world first files the entity

    Entity();
    virtual const char* code() { return "XX"; }
    virtual ~Entity() = default;
    virtual void discard();  // removed and deleted at the world's next re-index
    virtual const int* indices();
    // The sort key for a list: the drawing layer for rndr, otherwise the entity's own key.
    virtual int order(int index);
    virtual Vec pos() { return {px, py}; }
    virtual double x() { return px; }
    virtual double y() { return py; }
    virtual void setPos(Vec p) {
        px = p.x;
        py = p.y;
    }
    virtual void setX(double x) { px = x; }
    virtual void setY(double y) { py = y; }
    virtual void update(double) {}
    virtual void render() {}
    // Drawing many alike at once: neighbours in the drawing order that share a non-null key
    // are drawn together by the first one's renderRun, which must give the same picture as
    // their render calls one after another.
    virtual const void* runKey() { return nullptr; }
    virtual void renderRun(Entity* const* first, Entity* const* last);
    virtual Rect bbox() { return {}; }
    virtual void save(FILE* file);
    virtual void load(FILE* file);  // after the two code bytes have been read
    virtual Entity* clone() { return nullptr; }
    virtual std::string edString() { return ""; }

    static int loadByte(FILE* file);  // 0-255, or -1 at end of file
    static void saveByte(FILE* file, int value);

    // Larger than any position key a sign can have, even off the screen, fixed for life, and
    // increasing with creation, so that equal keys never occur.
    const int identity;

private:
    double px = 0;
    double py = 0;
};
