#pragma once

#include <allegro5/allegro.h>

// The game draws one 800 x 600 picture in its own coordinates; the window shows it scaled with
// its shape kept, black bars where the window's shape differs, and crisp pixels at whole scales.
namespace Screen {

const int WIDTH = 800;
const int HEIGHT = 600;

// Where the picture lands in a window: its top-left corner and its scale.
struct Fit {
    float x, y, scale;
    bool whole() const;  // a whole-number scale, drawn without smoothing
    bool identity() const { return x == 0 && y == 0 && scale == 1; }
};

Fit fit(int windowWidth, int windowHeight);
// A window pixel in picture coordinates (outside 0-800 x 0-600 over the bars).
void toPicture(const Fit& fit, int& x, int& y);
// The window's size for a desktop work area: the largest whole multiple of the picture that fits,
// or the picture scaled down to fit a smaller area.
void windowSize(int areaWidth, int areaHeight, int& width, int& height);
// The same for the first monitor, less what title bars and panels take; remembered as the size
// to come back to from full screen.
void desktopWindowSize(int& width, int& height);
void desktopSize(int& width, int& height);  // the whole first monitor

// The bitmap a frame is drawn into: the back buffer itself when the window shows the picture
// unscaled, else a canvas of picture size. present() shows the canvas and flips.
ALLEGRO_BITMAP* beginFrame(ALLEGRO_DISPLAY* display);
void present(ALLEGRO_DISPLAY* display);
// The mouse snapshot moved from window pixels into picture coordinates.
void mapMouse(ALLEGRO_DISPLAY* display, ALLEGRO_MOUSE_STATE& mouse);

// Window or full screen (a borderless window at the desktop's size; no video mode is asked for).
bool fullScreen(ALLEGRO_DISPLAY* display);
void setFullScreen(ALLEGRO_DISPLAY* display, bool on);
// F11 and Alt+Enter switch between the two; the keys are taken out of the snapshot so that
// nothing else acts on them.
void takeShortcuts(ALLEGRO_DISPLAY* display, ALLEGRO_KEYBOARD_STATE& keyboard);
// A window resize: acknowledged, so that the back buffer takes the new size.
void resized(ALLEGRO_DISPLAY* display);

}  // namespace Screen
