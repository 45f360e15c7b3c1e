// sorrelmoor-sim LEVEL.lv SCRIPT [--trace]
// Steps the level at 0.017 s with the script's keys and no display or sound, then prints
// how the attempt ended; --trace prints the avatar and everything it can carry every step.
#include "entities/Avatar.h"
#include "entities/Carryable.h"
#include "states/ScriptedPlay.h"
#include "states/Startup.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const STATE_NAMES[] = {"standing", "running", "airborne", "ducking"};
const char CARRIED_STATES[] = {'r', 'a', 'c'};  // resting, airborne, carried

void trace(LevelSession& session, int step) {
    Avatar* avatar = session.avatar();
    if (!avatar)
        return;
    std::printf("%5d  x %8.3f  y %8.3f  vx %8.3f  vy %8.3f  %-8s", step, avatar->x(), avatar->y(),
                avatar->velocity.x, avatar->velocity.y, STATE_NAMES[static_cast<int>(avatar->state)]);
    for (Entity* entity : session.world.list(Tags::CARR)) {
        auto* carryable = static_cast<Carryable*>(entity);
        std::printf("  %s %.0f,%.0f %c", carryable->edString().c_str(), carryable->x(), carryable->y(),
                    CARRIED_STATES[carryable->state]);
    }
    std::printf("\n");
}

void report(const ScriptedPlay::Outcome& outcome) {
    if (outcome.status == Avatar::Status::WON)
        std::printf("won\n");
    else if (outcome.status == Avatar::Status::DEAD)
        std::printf("dead: you %s\n", outcome.reason.c_str());
    else
        std::printf("still playing\n");
    std::printf("time %.3f s (%d steps)\n", outcome.elapsed, outcome.steps);
    std::printf("loose garbage %d of %d\n", outcome.garbage, outcome.garbageTotal);
    std::printf("jumps %d, double jumps %d, throws %d\n", outcome.jumps, outcome.doubleJumps, outcome.throws);
}

}  // namespace

int main(int argc, char** argv) {
    bool tracing = argc == 4 && std::strcmp(argv[3], "--trace") == 0;
    if (argc != 3 && !tracing) {
        std::fprintf(stderr, "usage: sorrelmoor-sim LEVEL.lv SCRIPT [--trace]\n");
        return 2;
    }
    InputScript script;
    std::string error;
    if (!script.load(argv[2], error)) {
        std::fprintf(stderr, "sorrelmoor-sim: %s: %s\n", argv[2], error.c_str());
        return 2;
    }
    Startup::startHeadless();
    ScriptedPlay play(argv[1], script);
    report(play.play(0, tracing ? trace : std::function<void(LevelSession&, int)>()));
    return 0;
}
