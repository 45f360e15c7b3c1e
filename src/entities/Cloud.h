#pragma once

#include "world/Entity.h"

#include <allegro5/allegro.h>

// A cloud drifting leftward across the sky, tinted by the current theme, and coming back in
// on the right at a new height once it has left the screen.
class Cloud : public Entity {
public:
    ALLEGRO_BITMAP* image;
    double speed;  // leftward, pixels per second
    bool behind;   // behind the level and dimmer, else in front; fixed at creation

    explicit Cloud(bool unused);  // place, speed and depth are random

    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
};
