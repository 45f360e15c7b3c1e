#pragma once

#include "entities/Carryable.h"
#include "world/Kind.h"

#include <allegro5/allegro_audio.h>

class Sheet;

// A walking creature that turns at ledges and walls. A tame one shoves resting bags ahead of
// it; a feral one kills the avatar and destroys bags at a touch, even while carried.
class Baddie : public Carryable {
public:
    static const int WALK_SPEED = 70;

    Sheet* sheet;
    ALLEGRO_SAMPLE* dieSound;
    bool feral;
    bool facingRight = false;
    int frame = 0;
    double animationClock = 0;

    explicit Baddie(bool feral);
    const char* code() override { return Kinds::BADDIE.code; }
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    Rect bbox() override { return {x() + 2, y() + 7, x() + 17, y() + 20}; }
    void save(FILE* file) override;
    void load(FILE* file) override;
    Entity* clone() override { return new Baddie(feral); }
    std::string edString() override { return feral ? "baddie(feral)" : "baddie(tame)"; }

    void animate(double dt);

protected:
    void landed() override { facingRight = speed.x >= 0; }
    void hitWall() override;

private:
    void walk(double dt);
    void shoveBags(double dt);
    void shove(Carryable* bag, double dt);
    void attack();
    void destroy(Entity* bag);
};
