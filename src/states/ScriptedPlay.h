#pragma once

#include "entities/Avatar.h"
#include "input/InputScript.h"
#include "states/AppState.h"
#include "states/LevelSession.h"

#include <functional>
#include <string>

// A level played headless from a script at a fixed step: a running state whose keyboard
// snapshot is written by the script, so the game's own switches read it.
class ScriptedPlay : public AppStateBase {
public:
    static constexpr double STEP = 0.017;

    struct Outcome {
        Avatar::Status status;  // the avatar's: playing, dead or won; playing also without an avatar
        std::string reason;     // the death text
        int steps;              // until the outcome, or the whole script
        double elapsed;
        int garbage;
        int garbageTotal;
        int jumps;
        int doubleJumps;
        int throws;
    };

    ScriptedPlay(const char* levelFile, const InputScript& script);
    ~ScriptedPlay() override;

    // Steps until the avatar wins or dies, or the script and `extraSteps` more run out.
    // `afterStep`, when given, sees the session after every step.
    Outcome play(int extraSteps = 0, const std::function<void(LevelSession&, int)>& afterStep = nullptr);

    LevelSession session;

    void handleEvents() override {}
    void update(double dt) override;
    void render(ALLEGRO_DISPLAY*) override {}
    ALLEGRO_KEYBOARD_STATE* keyState() override { return &keyboard; }
    ALLEGRO_MOUSE_STATE* mouseState() override { return &mouse; }

private:
    Outcome outcome(int steps);

    InputScript script;  // a copy: callers may pass one made on the spot
    AppStateBase* outer;
    int step = 0;
    ALLEGRO_KEYBOARD_STATE keyboard{};
    ALLEGRO_MOUSE_STATE mouse{};
};
