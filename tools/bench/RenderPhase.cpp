#include "Frames.h"
#include "Measure.h"
#include "Phases.h"
#include "WorstCase.h"

#include "core/SPrintF.h"
#include "music/a5play.h"
#include "states/ScriptedPlay.h"
#include "states/Startup.h"

#include <allegro5/allegro_opengl.h>

#include <cstdlib>

namespace {

const int WARM_UP = 60;
const int FRAMES = 300;
const double GOAL = 0.15 * Measure::BUDGET;

std::string renderer(ALLEGRO_DISPLAY* display) {
    if (!(al_get_display_flags(display) & ALLEGRO_OPENGL))
        return "not OpenGL";
    const char* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return SPrintF::format("OpenGL %s", name ? name : "(unnamed)");
}

// The numbered level with the most to draw as it starts.
int fullestLevel(int& drawn) {
    int fullest = 1;
    drawn = 0;
    for (int level = 1; level <= Startup::countLevels(); ++level) {
        LevelSession session(SPrintF::format("levels/%d.lv", level).c_str());
        int count = static_cast<int>(session.world.list(Tags::RNDR).size());
        if (count > drawn) {
            drawn = count;
            fullest = level;
        }
    }
    return fullest;
}

// The median seconds per drawn frame, the update kept out of the timing: the machine's other
// work lands on a few frames, which the median leaves out.
template <typename Prepare> double frameCost(AppStateBase& state, ALLEGRO_DISPLAY* display, Prepare prepare) {
    std::vector<double> costs;
    for (int i = 0; i < WARM_UP + FRAMES; ++i) {
        prepare();
        state.update(ScriptedPlay::STEP);
        double start = Measure::wallSeconds();
        Frames::draw(state, display);
        if (i >= WARM_UP)
            costs.push_back(Measure::wallSeconds() - start);
    }
    return Measure::median(costs);
}

// The first frame of every numbered level, for comparing pictures.
void saveEveryLevel(ALLEGRO_DISPLAY* display, const std::string& framesFolder) {
    for (int level = 1; !framesFolder.empty() && level <= Startup::countLevels(); ++level) {
        PlayState play(level - 1, SPrintF::format("levels/%d.lv", level).c_str());
        AppStateBase::sCurrent = &play;
        play.update(ScriptedPlay::STEP);
        Frames::save(play, display, framesFolder, SPrintF::format("start-%d.png", level));
    }
}

}  // namespace

int Phases::render(const std::string& framesFolder, bool fullScreen) {
    ALLEGRO_DISPLAY* display = Startup::startGame(fullScreen);
    std::string screen = Measure::screenName(display);
    // The sound system's start draws from the shared generator a varying number of times;
    // start again from the default seed, so that saved frames compare between runs.
    std::srand(1);
    Measure::note("renderer: " + renderer(display));
    saveEveryLevel(display, framesFolder);
    int drawn = 0;
    int level = fullestLevel(drawn);
    {
        PlayState play(level - 1, SPrintF::format("levels/%d.lv", level).c_str());
        AppStateBase::sCurrent = &play;
        double cost = frameCost(play, display, [] {});
        Frames::save(play, display, framesFolder, SPrintF::format("level-%d.png", level));
        Measure::timeRow(
            SPrintF::format("render, level %d (the fullest: %d drawn), %s", level, drawn, screen.c_str()),
            cost, GOAL);
        Measure::value("render, the fullest level", cost);
    }
    WorstCase scene;
    double cost = frameCost(scene.state, display, [&scene] { scene.topUpSparks(); });
    Frames::save(scene.state, display, framesFolder, "worst-case.png");
    Measure::timeRow("render, worst case (victory, sparks, zoom, summary), " + screen, cost, GOAL);
    Measure::value("render, worst case", cost);
    al_stop_module();
    return 0;
}
