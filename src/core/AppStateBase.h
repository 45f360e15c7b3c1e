#pragma once

#include <allegro5/allegro.h>

// The root of every screen. sCurrent names the innermost state whose loop is running;
// input switches sample its snapshots. The loop itself is AppState, up in states; the base
// sits below input so that switches can read the snapshots without knowing the loop.
class AppStateBase {
public:
    static AppStateBase* sCurrent;

    virtual void handleEvents() = 0;
    virtual void update(double dt) = 0;
    virtual void render(ALLEGRO_DISPLAY* display) = 0;
    virtual ALLEGRO_KEYBOARD_STATE* keyState() = 0;
    virtual ALLEGRO_MOUSE_STATE* mouseState() = 0;
    virtual ~AppStateBase() = default;
};
