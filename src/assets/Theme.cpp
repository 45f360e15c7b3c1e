#include "assets/Theme.h"

#include "assets/ThemeKinds.h"
#include "core/Random.h"

Theme* Theme::themes[6] = {};
Theme* Theme::current = nullptr;

void Theme::initialize() {
    themes[0] = new ThStandard();
    themes[1] = new ThSunset();
    themes[2] = new ThMist();
    themes[3] = new ThNight();
    themes[4] = new ThCrooked();
    themes[5] = new ThSway();
    current = themes[0];
}

bool Theme::behind() {
    return randomInt(0, 2) != 0;
}
