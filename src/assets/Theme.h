#pragma once

#include <allegro5/allegro.h>

// How the sky behind a level looks, with optional effects before and after the level's
// entities are drawn. Six exist, made once; the player picks the current one.
class Theme {
public:
    static Theme* themes[6];  // Sky, Sunset, Mist, Night, Crooked, Liquor
    static Theme* current;

    // Makes the six themes (after the random generator is seeded) and selects the first.
    static void initialize();

    virtual ~Theme() = default;
    virtual ALLEGRO_COLOR gradientUp() = 0;
    virtual ALLEGRO_COLOR gradientDown() = 0;
    virtual ALLEGRO_COLOR cloudColor() = 0;
    virtual void preProcess() {}
    virtual void postProcess() {}
    virtual void update(double) {}
    virtual const char* name() = 0;
    virtual bool behind();  // asked once per new cloud; two in three go behind the level
    virtual int unlockPoints() { return 0; }
};
