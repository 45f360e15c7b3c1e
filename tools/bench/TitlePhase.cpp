#include "Measure.h"
#include "Phases.h"

#include "core/SPrintF.h"
#include "music/a5play.h"
#include "states/Startup.h"
#include "states/TitleState.h"

#include <vector>

namespace {

const double WATCHED = 10.0;  // seconds of title after its first frame

// The title as the game runs it, noting when each frame has been shown: a loop turn that
// follows a drawn frame starts right after that frame's flip.
class WatchedTitle : public TitleState {
public:
    std::vector<double> shown;  // wall seconds
    double cpuAtFirst = 0;
    double cpuAtLast = 0;

    void handleEvents() override {
        if (drawn) {
            shown.push_back(Measure::wallSeconds());
            if (shown.size() == 1)
                cpuAtFirst = Measure::cpuSeconds();
            drawn = false;
        }
        TitleState::handleEvents();
    }
    void render(ALLEGRO_DISPLAY* shownOn) override {
        TitleState::render(shownOn);
        drawn = true;
    }
    void update(double dt) override {
        TitleState::update(dt);
        if (!shown.empty() && shown.back() - shown.front() >= WATCHED) {
            cpuAtLast = Measure::cpuSeconds();
            done = 1;
        }
    }

private:
    bool drawn = false;
};

void reportPacing(const std::vector<double>& shown) {
    std::vector<double> intervals;
    for (size_t i = 1; i < shown.size(); ++i)
        intervals.push_back(shown[i] - shown[i - 1]);
    double middle = Measure::median(intervals);
    double late = Measure::percentile(intervals, 0.99);
    Measure::row(SPrintF::format("frame interval, title, median of %zu", intervals.size()),
                 Measure::duration(middle), SPrintF::format("%.2f x", middle / Measure::BUDGET),
                 "17 ms +- 1 ms", middle > 0.016 && middle < 0.018);
    Measure::row("frame interval, title, 99th percentile", Measure::duration(late),
                 SPrintF::format("%.2f x", late / Measure::BUDGET), "< 2 frames (34 ms)",
                 late < 2 * Measure::BUDGET);
    if (!intervals.empty()) {
        double mean = (shown.back() - shown.front()) / static_cast<double>(intervals.size());
        Measure::note(
            SPrintF::format("mean frame interval on the title: %s", Measure::duration(mean).c_str()));
    }
}

}  // namespace

int Phases::title(double launchedAt, bool fullScreen) {
    ALLEGRO_DISPLAY* display = Startup::startGame(fullScreen);
    std::string screen = Measure::screenName(display);
    {
        WatchedTitle title;
        title.run(nullptr);
        double startup = title.shown.front() - launchedAt;
        if (!fullScreen)
            Measure::row("start-up, launch to first title frame", Measure::duration(startup),
                         SPrintF::format("%.1f frames", startup / Measure::BUDGET), "<= 250 ms",
                         startup <= 0.25);
        double busy = (title.cpuAtLast - title.cpuAtFirst) / (title.shown.back() - title.shown.front());
        Measure::row(SPrintF::format("idle CPU, title, %.0f s (music playing), %s", WATCHED, screen.c_str()),
                     SPrintF::format("%.1f%% of a core", busy * 100),
                     Measure::budgetShare(busy * Measure::BUDGET), "<= 10%", busy <= 0.10);
        Measure::value("idle CPU, title", busy);
        if (!fullScreen)
            reportPacing(title.shown);
    }
    al_stop_module();
    al_destroy_display(display);
    return 0;
}
