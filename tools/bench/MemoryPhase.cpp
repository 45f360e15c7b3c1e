#include "Frames.h"
#include "Measure.h"
#include "Phases.h"

#include "core/SPrintF.h"
#include "music/a5play.h"
#include "states/PlayState.h"
#include "states/ScriptedPlay.h"
#include "states/Startup.h"

namespace {

const int ROUNDS = 3;
const int FRAMES_PER_VISIT = 30;
const double MEGABYTE = 1024.0 * 1024.0;

void visit(int level, const std::string& file, ALLEGRO_DISPLAY* display) {
    PlayState play(level, file.c_str());
    AppStateBase::sCurrent = &play;
    for (int i = 0; i < FRAMES_PER_VISIT; ++i) {
        play.update(ScriptedPlay::STEP);
        Frames::draw(play, display);
    }
    AppStateBase::sCurrent = nullptr;
}

void visitEveryLevel(ALLEGRO_DISPLAY* display) {
    visit(PlayState::TITLE_OR_TEST, "levels/title.lv", display);
    for (int level = 1; level <= Startup::countLevels(); ++level)
        visit(level - 1, SPrintF::format("levels/%d.lv", level), display);
    visit(PlayState::VICTORY, "levels/winner.lv", display);
}

}  // namespace

int Phases::memory() {
    ALLEGRO_DISPLAY* display = Startup::startGame(false);
    std::vector<long> resident;
    for (int round = 0; round < ROUNDS; ++round) {
        visitEveryLevel(display);
        resident.push_back(Measure::residentBytes());
    }
    double last = resident.back() / MEGABYTE;
    double growth = (resident.back() - resident[ROUNDS - 2]) / MEGABYTE;
    Measure::row(SPrintF::format("resident memory after visiting every level %d times", ROUNDS),
                 SPrintF::format("%.1f MB", last), "-", "<= 80 MB", last <= 80);
    Measure::row("growth from one round of visits to the next", SPrintF::format("%+.2f MB", growth), "-",
                 "none (under 0.1 MB)", growth < 0.1);
    Measure::note(SPrintF::format("resident after each round: %.1f, %.1f, %.1f MB", resident[0] / MEGABYTE,
                                  resident[1] / MEGABYTE, resident[2] / MEGABYTE));
    long renderer = Measure::residentBytesOfFiles({"libLLVM", "/dri/"});
    Measure::note(
        SPrintF::format("of the last, %.1f MB is the code of the OpenGL driver (libLLVM and the DRI driver)",
                        renderer / MEGABYTE));
    al_stop_module();
    al_destroy_display(display);
    return 0;
}
