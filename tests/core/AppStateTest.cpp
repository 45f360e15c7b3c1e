#include "states/AppState.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// A state on a scripted clock whose update is supplied by each test, with a source of its own
// standing in for the window.
struct ScriptedState : AppState<int> {
    FakeClock clock;
    ALLEGRO_EVENT_SOURCE window;
    std::function<void(ScriptedState&)> onUpdate;
    std::vector<double> steps;

    ScriptedState() {
        delete deltaTime;
        deltaTime = new DeltaTime(0.017, 0.05, 3, clock);
        al_init_user_event_source(&window);
        al_register_event_source(queue, &window);
    }
    ~ScriptedState() override { al_destroy_user_event_source(&window); }
    void update(double dt) override {
        steps.push_back(dt);
        clock.advance(0.017);
        onUpdate(*this);
    }
    void close() {
        ALLEGRO_EVENT event{ALLEGRO_EVENT_DISPLAY_CLOSE};
        al_emit_user_event(&window, &event, nullptr);
    }
};

// The inner state posts a close to the outer queue and stays long: neither may reach the outer state
// when it resumes. A close of its own, taken at the start of its next turn, unwinds through the outer
// state as well: every state in the game agrees to close.
TEST(AppState, ANestedStateIsCurrentHandsBackItsResultAndLeavesNoStaleEventNorTimeBehind) {
    // Without the test's screen, as the screen tests want the library to find no monitor.
    ASSERT_TRUE(unsetenv("DISPLAY") == 0 && al_init());
    for (bool innerCloses : {false, true}) {
        ScriptedState outer, inner;
        AppStateBase* currentInside = nullptr;
        inner.onUpdate = [&](ScriptedState& s) {
            currentInside = AppStateBase::sCurrent;
            outer.close();
            outer.clock.advance(2.0);
            s.result = 5;
            if (innerCloses)
                s.close();
            else
                s.done = 1;
        };
        outer.onUpdate = [&](ScriptedState& s) {  // a close taken this turn is left to show
            if (s.steps.size() == 1)
                s.result = inner.run(&s);
            else if (s.done == 0)
                s.done = 1;
        };
        outer.run(nullptr);
        EXPECT_EQ(currentInside, &inner);
        EXPECT_EQ(std::vector<int>({inner.done, outer.result, outer.done}),
                  std::vector<int>({innerCloses ? 2 : 1, 5, innerCloses ? 2 : 1}));
        EXPECT_EQ(outer.steps, std::vector<double>(innerCloses ? 1 : 2, 0.017));
    }
}

}  // namespace
