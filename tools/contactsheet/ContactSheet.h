#pragma once

#include "assets/Theme.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

// Lays out every frame of the game's pictures, four times enlarged, on one theme's sky.
class ContactSheet {
public:
    static const int PANEL_WIDTH = 1000;
    static const int PANEL_HEIGHT = 680;

    explicit ContactSheet(ALLEGRO_FONT* font);
    // Draws one panel with its top-left corner at (x, y) of the current target.
    void drawPanel(Theme* theme, float x, float y);

private:
    void drawLabel(const char* name);
    void drawSky(Theme* theme);
    void drawFrames();
    void drawSheetFrames(const char* sheetName);
    void drawEnlarged(ALLEGRO_BITMAP* frame);
    void newRow();
    void drawBottomRow(Theme* theme);

    ALLEGRO_FONT* font;
    float cursorX = 0;
    float cursorY = 0;
    float rowHeight = 0;
};
