#pragma once

#include "world/Entity.h"
#include "world/Kind.h"

#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>

class Sheet;

// A bin that needs a number of bags thrown into its mouth, showing how many are still due.
class Container : public Entity {
public:
    int count;  // bags still needed; 0 is satisfied
    Sheet* sheet;
    ALLEGRO_FONT* font;
    ALLEGRO_SAMPLE* swallowSound;

    Container(Vec position, int count);
    const char* code() override { return Kinds::CONTAINER.code; }
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    Rect bbox() override { return {x() + 2, y(), x() + 37, y() + 10}; }  // the mouth
    void save(FILE* file) override;
    void load(FILE* file) override;
    Entity* clone() override { return new Container(pos(), count); }
    std::string edString() override;

private:
    void swallow(Entity* bag);
};
