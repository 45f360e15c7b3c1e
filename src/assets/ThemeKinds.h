#pragma once

#include "assets/Theme.h"

// The plain blue sky; also the base of the two themes that only move the scene.
class ThStandard : public Theme {
public:
    ALLEGRO_COLOR gradientUp() override { return al_map_rgb_f(0.58f, 0.85f, 1.0f); }
    ALLEGRO_COLOR gradientDown() override { return al_map_rgb_f(0.30f, 0.55f, 1.0f); }
    ALLEGRO_COLOR cloudColor() override { return al_map_rgba(255, 255, 255, 128); }
    const char* name() override { return "Sky"; }
};

class ThSunset : public Theme {
public:
    ALLEGRO_COLOR gradientUp() override { return al_map_rgb(230, 130, 30); }
    ALLEGRO_COLOR gradientDown() override { return al_map_rgb(230, 70, 70); }
    ALLEGRO_COLOR cloudColor() override { return al_map_rgba(255, 220, 220, 128); }
    const char* name() override { return "Sunset"; }
    int unlockPoints() override { return 6; }
};

// Grey sky with a haze over the upper screen; clouds always in front.
class ThMist : public Theme {
public:
    ALLEGRO_COLOR gradientUp() override { return al_map_rgb_f(0.85f, 0.85f, 0.85f); }
    ALLEGRO_COLOR gradientDown() override { return al_map_rgb_f(0.45f, 0.45f, 0.45f); }
    ALLEGRO_COLOR cloudColor() override { return al_map_rgba(200, 200, 200, 128); }
    void postProcess() override;
    const char* name() override { return "Mist"; }
    bool behind() override { return false; }
    int unlockPoints() override { return 12; }
};

// Dark sky with a drifting starfield and a black veil over everything; clouds always behind.
class ThNight : public Theme {
public:
    static const int STARS = 100;
    double starX[STARS];
    double starY[STARS];

    ThNight();
    ALLEGRO_COLOR gradientUp() override { return al_map_rgb(40, 10, 60); }
    ALLEGRO_COLOR gradientDown() override { return al_map_rgb(10, 0, 20); }
    ALLEGRO_COLOR cloudColor() override { return al_map_rgb(0, 0, 0); }
    void preProcess() override;
    void postProcess() override;
    const char* name() override { return "Night"; }
    bool behind() override { return true; }
    int unlockPoints() override { return 18; }
};

// The whole scene tilted by a fixed angle.
class ThCrooked : public ThStandard {
public:
    void preProcess() override;
    void postProcess() override;
    const char* name() override { return "Crooked"; }
    int unlockPoints() override { return 24; }

private:
    ALLEGRO_TRANSFORM saved;
};

// The whole scene bobbing and rocking slowly.
class ThSway : public ThStandard {
public:
    double clock = 0;

    void update(double dt) override { clock += dt; }
    void preProcess() override;
    void postProcess() override;
    const char* name() override { return "Liquor"; }
    int unlockPoints() override { return 30; }

private:
    ALLEGRO_TRANSFORM saved;
};
