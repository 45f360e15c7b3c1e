#pragma once

#include "core/AppStateBase.h"
#include "core/DeltaTime.h"
#include "input/Gamepad.h"
#include "input/Switch.h"
#include "states/Screen.h"

#include <allegro5/allegro.h>

// A screen run modally by its own loop; it may run another state from inside update and
// receives that state's result when it finishes.
template <typename Result> class AppState : public AppStateBase {
public:
    Result result{};
    int done = 0;  // 0 running, 1 finished by itself, 2 finished by an accepted window close
    AppState* parent = nullptr;

    AppState();
    ~AppState() override;
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    void handleEvents() override;
    void update(double) override {}
    void render(ALLEGRO_DISPLAY*) override {}
    ALLEGRO_KEYBOARD_STATE* keyState() override { return &keyboard; }
    ALLEGRO_MOUSE_STATE* mouseState() override { return &mouse; }
    virtual void updateInputs();
    virtual void handleEvent(ALLEGRO_EVENT* event);
    virtual bool quitRequested() { return true; }

    Result run(AppState* parentState);

    DeltaTime* deltaTime;  // owned
    ALLEGRO_EVENT_QUEUE* queue;
    ALLEGRO_DISPLAY* display;
    ALLEGRO_KEYBOARD_STATE keyboard{};
    ALLEGRO_MOUSE_STATE mouse{};

private:
    void drawFrame();
    void returnTo(AppState* parentState);
};

template <typename Result>
AppState<Result>::AppState()
    : deltaTime(new DeltaTime()), queue(al_create_event_queue()), display(al_get_current_display()) {
    // Only the display is queued; keyboard and mouse are polled. A headless run has no display.
    if (display)
        al_register_event_source(queue, al_get_display_event_source(display));
}

template <typename Result> AppState<Result>::~AppState() {
    al_destroy_event_queue(queue);
    delete deltaTime;
}

template <typename Result> void AppState<Result>::handleEvents() {
    ALLEGRO_EVENT event;
    while (al_get_next_event(queue, &event))
        handleEvent(&event);
}

template <typename Result> void AppState<Result>::handleEvent(ALLEGRO_EVENT* event) {
    if (event->type == ALLEGRO_EVENT_DISPLAY_CLOSE && quitRequested())
        done = 2;
    if (event->type == ALLEGRO_EVENT_DISPLAY_RESIZE)
        Screen::resized(display);
}

template <typename Result> void AppState<Result>::updateInputs() {
    if (al_is_keyboard_installed()) {
        al_get_keyboard_state(&keyboard);
        Screen::takeShortcuts(display, keyboard);
    }
    Gamepad::merge(keyboard);
    if (al_is_mouse_installed()) {
        al_get_mouse_state(&mouse);
        Screen::mapMouse(display, mouse);
    }
    Switch::updatePrimaries();
}

template <typename Result> Result AppState<Result>::run(AppState* parentState) {
    done = 0;
    parent = parentState;
    sCurrent = this;
    deltaTime->restart();
    while (done == 0) {
        handleEvents();
        updateInputs();
        DeltaInterval step = deltaTime->delta();
        if (step.dt > 0)
            update(step.dt);
        if (done != 0)
            break;
        if (!step.skipRender)
            drawFrame();
    }
    deltaTime->stop();
    sCurrent = parent;
    if (parent)
        returnTo(parent);
    return result;
}

template <typename Result> void AppState<Result>::drawFrame() {
    if (!display)
        return;
    Screen::beginFrame(display);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    render(display);
    Screen::present(display);
}

// Whatever reached the parent while this state ran is stale; the time spent here must not
// reach the parent as one long frame; an accepted close unwinds through every agreeing parent.
template <typename Result> void AppState<Result>::returnTo(AppState* parentState) {
    while (al_drop_next_event(parentState->queue)) {
    }
    parentState->deltaTime->restart();
    if (done == 2 && parentState->quitRequested())
        parentState->done = 2;
}
