#include "Measure.h"
#include "Phases.h"
#include "WorstCase.h"

#include "core/SPrintF.h"
#include "states/ScriptedPlay.h"
#include "states/Startup.h"

#include <vector>

namespace {

const int REPEATS = 5;
const int IDLE_STEPS = 2000;
const double GOAL = 0.01 * Measure::BUDGET;

// Mean seconds per step of a whole solution run, as the median of a few runs.
double solutionStep(const std::string& level, const InputScript& script, int& steps) {
    std::vector<double> means;
    for (int i = 0; i < REPEATS; ++i) {
        ScriptedPlay play(level.c_str(), script);
        double start = Measure::wallSeconds();
        steps = play.play().steps;
        means.push_back((Measure::wallSeconds() - start) / steps);
    }
    return Measure::median(means);
}

double titleStep() {
    LevelSession session("levels/title.lv");
    double start = Measure::wallSeconds();
    for (int i = 0; i < IDLE_STEPS; ++i)
        session.step(ScriptedPlay::STEP);
    return (Measure::wallSeconds() - start) / IDLE_STEPS;
}

double worstStep() {
    WorstCase scene;
    double spent = 0;
    for (int i = 0; i < IDLE_STEPS; ++i) {
        scene.topUpSparks();
        double start = Measure::wallSeconds();
        scene.state.update(ScriptedPlay::STEP);
        spent += Measure::wallSeconds() - start;
    }
    return spent / IDLE_STEPS;
}

}  // namespace

int Phases::update(const std::string& solutionsFolder) {
    Startup::startHeadless();
    int levels = Startup::countLevels();
    for (int level = 1; level <= levels; ++level) {
        InputScript script;
        std::string error;
        if (!script.load(SPrintF::format("%s/%d.script", solutionsFolder.c_str(), level), error)) {
            Measure::note(SPrintF::format("level %d has no solution to play: %s", level, error.c_str()));
            continue;
        }
        int steps = 0;
        double perStep = solutionStep(SPrintF::format("levels/%d.lv", level), script, steps);
        Measure::timeRow(SPrintF::format("update, level %d (its solution, %d steps)", level, steps), perStep,
                         GOAL);
    }
    Measure::timeRow(SPrintF::format("update, title level (%d steps)", IDLE_STEPS), titleStep(), GOAL);
    Measure::timeRow(SPrintF::format("update, worst case (victory, %d+ sparks, zoom)", WorstCase::SPARKS),
                     worstStep(), GOAL);
    return 0;
}
