#include "core/AppState.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A state on a scripted clock whose update is supplied by each test.
struct ScriptedState : AppState<int> {
    FakeClock clock;
    std::function<void(ScriptedState&)> onUpdate;
    bool agreesToQuit = true;
    int updates = 0;
    std::vector<double> steps;

    ScriptedState() {
        delete deltaTime;
        deltaTime = new DeltaTime(0.017, 0.05, 3, clock);
    }
    void update(double dt) override {
        ++updates;
        steps.push_back(dt);
        clock.advance(0.017);
        if (onUpdate)
            onUpdate(*this);
    }
    bool quitRequested() override { return agreesToQuit; }
};

// Posts events of any type into a state's queue, standing in for the window.
struct EventPoster {
    ALLEGRO_EVENT_SOURCE source;
    EventPoster() { al_init_user_event_source(&source); }
    ~EventPoster() { al_destroy_user_event_source(&source); }
    void attach(ALLEGRO_EVENT_QUEUE* queue) { al_register_event_source(queue, &source); }
    void post(unsigned type) {
        ALLEGRO_EVENT event{};
        event.user.type = type;
        al_emit_user_event(&source, &event, nullptr);
    }
};

struct AppStateTest : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(al_init()); }
};

TEST_F(AppStateTest, StateFinishingItselfEndsTheLoopWithItsResult) {
    ScriptedState state;
    state.onUpdate = [](ScriptedState& s) {
        if (s.updates == 3) {
            s.result = 7;
            s.done = 1;
        }
    };
    EXPECT_EQ(state.run(nullptr), 7);
    EXPECT_EQ(state.updates, 3);
    EXPECT_EQ(AppStateBase::sCurrent, nullptr);
    EXPECT_FALSE(state.deltaTime->isRunning());
}

TEST_F(AppStateTest, CloseRequestEndsTheStateOnlyWhenItAgrees) {
    ScriptedState state;
    EventPoster window;
    window.attach(state.queue);
    state.agreesToQuit = false;
    state.onUpdate = [&](ScriptedState& s) {
        if (s.updates == 1)
            window.post(ALLEGRO_EVENT_DISPLAY_CLOSE);
        if (s.updates == 3) {
            s.agreesToQuit = true;
            window.post(ALLEGRO_EVENT_DISPLAY_CLOSE);
        }
    };
    state.run(nullptr);
    EXPECT_EQ(state.done, 2);
    // The close is handled at the start of the fourth turn, whose update still runs.
    EXPECT_EQ(state.updates, 4);
}

// The inner state's close request reaches only the outer queue, and its stay is long: neither
// may reach the parent when it resumes.
TEST_F(AppStateTest, ANestedStateIsCurrentHandsBackItsResultAndLeavesNoStaleEventNorTime) {
    ScriptedState outer, inner;
    EventPoster window;
    window.attach(outer.queue);
    AppStateBase* currentInside = nullptr;
    int innerResult = -1;
    inner.onUpdate = [&](ScriptedState& s) {
        currentInside = AppStateBase::sCurrent;
        window.post(ALLEGRO_EVENT_DISPLAY_CLOSE);
        outer.clock.advance(2.0);
        s.result = 2;
        s.done = 1;
    };
    outer.onUpdate = [&](ScriptedState& s) {
        if (s.updates == 1)
            innerResult = inner.run(&s);
        else
            s.done = 1;
    };
    outer.run(nullptr);
    EXPECT_EQ(currentInside, &inner);
    EXPECT_EQ(innerResult, 2);
    EXPECT_EQ(inner.parent, &outer);
    EXPECT_EQ(outer.done, 1) << "the stale close request must have been dropped";
    EXPECT_EQ(outer.steps, std::vector<double>({0.017, 0.017}));
}

TEST_F(AppStateTest, AnAcceptedCloseUnwindsThroughEveryAgreeingParentButNotOneThatRefuses) {
    for (bool topAgrees : {true, false}) {
        ScriptedState top, middle, inner;
        EventPoster window;
        window.attach(inner.queue);
        top.agreesToQuit = topAgrees;
        inner.onUpdate = [&](ScriptedState&) { window.post(ALLEGRO_EVENT_DISPLAY_CLOSE); };
        middle.onUpdate = [&](ScriptedState& s) { inner.run(&s); };
        top.onUpdate = [&](ScriptedState& s) {
            if (s.updates == 1)
                middle.run(&s);
            else
                s.done = 1;
        };
        top.run(nullptr);
        EXPECT_EQ(inner.done + middle.done, 4);
        EXPECT_EQ(top.done, topAgrees ? 2 : 1);
        EXPECT_EQ(top.updates, topAgrees ? 1 : 2);
    }
}

} // namespace
