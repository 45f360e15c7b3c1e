#include "states/Screen.h"

#include "input/SyntheticInput.h"

#include <algorithm>
#include <cmath>

namespace Screen {

namespace {

// Title bars and desktop panels take some of the monitor; the window is sized for the rest.
const double USABLE_HEIGHT = 0.9;

ALLEGRO_BITMAP* canvas = nullptr;
bool canvasSmooth = false;
bool drawingToCanvas = false;
int windowedWidth = WIDTH;
int windowedHeight = HEIGHT;
bool shortcutHeld = false;

Fit fitOf(ALLEGRO_DISPLAY* display) {
    return fit(al_get_display_width(display), al_get_display_height(display));
}

// Smoothing is a property of the bitmap, so the canvas is made anew when the scale changes kind.
ALLEGRO_BITMAP* canvasFor(bool smooth) {
    if (canvas && canvasSmooth == smooth)
        return canvas;
    if (canvas)
        al_destroy_bitmap(canvas);
    int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(smooth ? flags | ALLEGRO_MIN_LINEAR | ALLEGRO_MAG_LINEAR : flags);
    canvas = al_create_bitmap(WIDTH, HEIGHT);
    al_set_new_bitmap_flags(flags);
    canvasSmooth = smooth;
    return canvas;
}

// Only the bars are cleared: the picture covers the rest, and under a software renderer every
// pixel written costs.
void clearBars(ALLEGRO_DISPLAY* display, const Fit& shown) {
    int width = al_get_display_width(display), height = al_get_display_height(display);
    int left = static_cast<int>(shown.x), top = static_cast<int>(shown.y);
    int right = static_cast<int>(shown.x + WIDTH * shown.scale);
    int bottom = static_cast<int>(shown.y + HEIGHT * shown.scale);
    const int bars[4][4] = {{0, 0, left, height},
                            {right, 0, width - right, height},
                            {0, 0, width, top},
                            {0, bottom, width, height - bottom}};
    for (const auto& bar : bars) {
        if (bar[2] <= 0 || bar[3] <= 0)
            continue;
        al_set_clipping_rectangle(bar[0], bar[1], bar[2], bar[3]);
        al_clear_to_color(al_map_rgb(0, 0, 0));
    }
    al_reset_clipping_rectangle();
}

bool altHeld(const ALLEGRO_KEYBOARD_STATE& keyboard) {
    return al_key_down(&keyboard, ALLEGRO_KEY_ALT) || al_key_down(&keyboard, ALLEGRO_KEY_ALTGR);
}

}  // namespace

bool Fit::whole() const {
    return scale == std::floor(scale);
}

Fit fit(int windowWidth, int windowHeight) {
    float scale =
        std::min(static_cast<float>(windowWidth) / WIDTH, static_cast<float>(windowHeight) / HEIGHT);
    float x = std::floor((windowWidth - WIDTH * scale) / 2);
    float y = std::floor((windowHeight - HEIGHT * scale) / 2);
    return Fit{x, y, scale};
}

void toPicture(const Fit& fit, int& x, int& y) {
    x = static_cast<int>(std::floor((x - fit.x) / fit.scale));
    y = static_cast<int>(std::floor((y - fit.y) / fit.scale));
}

void windowSize(int areaWidth, int areaHeight, int& width, int& height) {
    int whole = std::min(areaWidth / WIDTH, areaHeight / HEIGHT);
    double scale = whole >= 1 ? whole
                              : std::min(static_cast<double>(areaWidth) / WIDTH,
                                         static_cast<double>(areaHeight) / HEIGHT);
    width = static_cast<int>(WIDTH * scale);
    height = static_cast<int>(HEIGHT * scale);
}

bool monitorArea(ALLEGRO_MONITOR_INFO& monitor) {
    if (al_get_monitor_info(0, &monitor))
        return true;
    monitor = ALLEGRO_MONITOR_INFO{0, 0, WIDTH, HEIGHT};
    return false;
}

void desktopWindowSize(int& width, int& height) {
    ALLEGRO_MONITOR_INFO monitor;
    monitorArea(monitor);
    int areaHeight = static_cast<int>((monitor.y2 - monitor.y1) * USABLE_HEIGHT);
    windowSize(monitor.x2 - monitor.x1, areaHeight, width, height);
    windowedWidth = width;
    windowedHeight = height;
}

void desktopSize(int& width, int& height) {
    ALLEGRO_MONITOR_INFO monitor;
    monitorArea(monitor);
    width = monitor.x2 - monitor.x1;
    height = monitor.y2 - monitor.y1;
}

ALLEGRO_BITMAP* beginFrame(ALLEGRO_DISPLAY* display) {
    Fit shown = fitOf(display);
    drawingToCanvas = !shown.identity();
    ALLEGRO_BITMAP* target = drawingToCanvas ? canvasFor(!shown.whole()) : al_get_backbuffer(display);
    al_set_target_bitmap(target);
    return target;
}

// The canvas replaces what is under it: see-through sprites leave its alpha below one.
void present(ALLEGRO_DISPLAY* display) {
    if (drawingToCanvas) {
        Fit shown = fitOf(display);
        al_set_target_backbuffer(display);
        clearBars(display, shown);
        ALLEGRO_STATE saved;
        al_store_state(&saved, ALLEGRO_STATE_BLENDER);
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
        al_draw_scaled_bitmap(canvas, 0, 0, WIDTH, HEIGHT, shown.x, shown.y, WIDTH * shown.scale,
                              HEIGHT * shown.scale, 0);
        al_restore_state(&saved);
    }
    al_flip_display();
}

void mapMouse(ALLEGRO_DISPLAY* display, ALLEGRO_MOUSE_STATE& mouse) {
    if (display)
        toPicture(fitOf(display), mouse.x, mouse.y);
}

bool fullScreen(ALLEGRO_DISPLAY* display) {
    return (al_get_display_flags(display) & ALLEGRO_FULLSCREEN_WINDOW) != 0;
}

// The size is set as well as the flag: without a window manager to honour the flag (a bare X
// server), the window would otherwise keep its size.
void setFullScreen(ALLEGRO_DISPLAY* display, bool on) {
    if (on == fullScreen(display))
        return;
    if (on) {
        windowedWidth = al_get_display_width(display);
        windowedHeight = al_get_display_height(display);
    }
    al_set_display_flag(display, ALLEGRO_FULLSCREEN_WINDOW, on);
    ALLEGRO_MONITOR_INFO monitor;
    monitorArea(monitor);
    if (on) {
        al_set_window_position(display, monitor.x1, monitor.y1);
        al_resize_display(display, monitor.x2 - monitor.x1, monitor.y2 - monitor.y1);
    } else {
        al_resize_display(display, windowedWidth, windowedHeight);
        al_set_window_position(display, monitor.x1 + (monitor.x2 - monitor.x1 - windowedWidth) / 2,
                               monitor.y1 + (monitor.y2 - monitor.y1 - windowedHeight) / 2);
    }
}

void takeShortcuts(ALLEGRO_DISPLAY* display, ALLEGRO_KEYBOARD_STATE& keyboard) {
    bool altEnter = al_key_down(&keyboard, ALLEGRO_KEY_ENTER) && altHeld(keyboard);
    bool held = al_key_down(&keyboard, ALLEGRO_KEY_F11) || altEnter;
    if (held && !shortcutHeld && display)
        setFullScreen(display, !fullScreen(display));
    shortcutHeld = held;
    SyntheticInput::setKey(keyboard, ALLEGRO_KEY_F11, false);
    if (altEnter)
        SyntheticInput::setKey(keyboard, ALLEGRO_KEY_ENTER, false);
}

void resized(ALLEGRO_DISPLAY* display) {
    al_acknowledge_resize(display);
}

}  // namespace Screen
