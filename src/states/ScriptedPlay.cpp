#include "states/ScriptedPlay.h"

#include "entities/Avatar.h"
#include "input/SyntheticInput.h"
#include "world/Game.h"

ScriptedPlay::ScriptedPlay(const char* levelFile, const InputScript& keys)
    : session(levelFile), script(keys), outer(sCurrent) {
    sCurrent = this;
}

ScriptedPlay::~ScriptedPlay() {
    sCurrent = outer;
}

// One frame as the loop runs it: the snapshot, the switches, then the level.
void ScriptedPlay::update(double dt) {
    script.fill(step, keyboard);
    Switch::updatePrimaries();
    session.step(dt);
    ++step;
}

ScriptedPlay::Outcome ScriptedPlay::play(int extraSteps,
                                         const std::function<void(LevelSession&, int)>& afterStep) {
    int last = script.totalFrames() + extraSteps;
    while (step < last) {
        update(STEP);
        if (afterStep)
            afterStep(session, step);
        Avatar* avatar = session.avatar();
        if (avatar && avatar->status != Avatar::Status::PLAYING)
            break;
    }
    return outcome(step);
}

ScriptedPlay::Outcome ScriptedPlay::outcome(int steps) {
    Avatar* avatar = session.avatar();
    Game* game = session.game;
    return {avatar ? avatar->status : Avatar::Status::PLAYING,
            avatar ? avatar->reason : "",
            steps,
            game->elapsedTime,
            static_cast<int>(game->looseGarbage),
            session.garbageTotal(),
            static_cast<int>(game->jumps),
            static_cast<int>(game->doubleJumps),
            static_cast<int>(game->throws)};
}
