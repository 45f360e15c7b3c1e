#include "core/AppStateBase.h"
#include "input/Controls.h"
#include "input/SyntheticInput.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Stands in as the running state and serves snapshots the test writes.
struct SnapshotState : AppStateBase {
    ALLEGRO_KEYBOARD_STATE keyboard;
    ALLEGRO_MOUSE_STATE mouse;
    AppStateBase* previous;

    SnapshotState() : previous(sCurrent) {
        SyntheticInput::clear(keyboard);
        SyntheticInput::clear(mouse);
        sCurrent = this;
    }
    ~SnapshotState() override { sCurrent = previous; }
    void handleEvents() override {}
    void update(double) override {}
    void render(ALLEGRO_DISPLAY*) override {}
    ALLEGRO_KEYBOARD_STATE* keyState() override { return &keyboard; }
    ALLEGRO_MOUSE_STATE* mouseState() override { return &mouse; }

    void hold(int key, bool down) { SyntheticInput::setKey(keyboard, key, down); }
    void turn() { Switch::updatePrimaries(); }
};

bool isPrimary(Switch* s) {
    return std::find(Switch::sPrimaries.begin(), Switch::sPrimaries.end(), s) != Switch::sPrimaries.end();
}

TEST(Switches, HeldKeyIsOnePressUntilReleased) {
    SnapshotState state;
    Key z(ALLEGRO_KEY_Z);
    OnPress jump(&z);
    std::vector<bool> seen;
    for (bool down : {true, true, true, false, true, true}) {
        state.hold(ALLEGRO_KEY_Z, down);
        state.turn();
        seen.push_back(jump.on());
        EXPECT_EQ(z.on(), down);
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false, false, false, true, false}));
}

TEST(Switches, PressAndReleaseBetweenTurnsIsNotSeen) {
    SnapshotState state;
    Key x(ALLEGRO_KEY_X);
    OnPress toss(&x);
    state.turn();
    state.hold(ALLEGRO_KEY_X, true);
    state.hold(ALLEGRO_KEY_X, false);
    state.turn();
    EXPECT_FALSE(toss.on());
    EXPECT_FALSE(x.on());
}

TEST(Switches, KeysOnlyAnswerForTheirOwnCode) {
    SnapshotState state;
    Key left(ALLEGRO_KEY_LEFT), right(ALLEGRO_KEY_RIGHT);
    state.hold(ALLEGRO_KEY_RIGHT, true);
    state.turn();
    EXPECT_FALSE(left.on());
    EXPECT_TRUE(right.on());
}

TEST(Switches, MouseButtonsReadTheirOwnBit) {
    SnapshotState state;
    MouseKey leftButton(MouseKey::LEFT), rightButton(MouseKey::RIGHT);
    OnPress click(&leftButton);
    SyntheticInput::setButton(state.mouse, 2, true);
    state.turn();
    EXPECT_FALSE(leftButton.on());
    EXPECT_TRUE(rightButton.on());
    SyntheticInput::setButton(state.mouse, 1, true);
    state.turn();
    EXPECT_TRUE(click.on());
    state.turn();
    EXPECT_FALSE(click.on());
}

TEST(Switches, SwitchesReadTheInnermostState) {
    SnapshotState outer;
    Key r(ALLEGRO_KEY_R);
    outer.hold(ALLEGRO_KEY_R, true);
    {
        SnapshotState inner;
        inner.turn();
        EXPECT_FALSE(r.on());
    }
    outer.turn();
    EXPECT_TRUE(r.on());
}

TEST(Switches, DestroyedPrimaryIsNoLongerSampled) {
    size_t before = Switch::sPrimaries.size();
    Key* escape = new Key(ALLEGRO_KEY_ESCAPE);
    EXPECT_TRUE(isPrimary(escape));
    EXPECT_EQ(Switch::sPrimaries.size(), before + 1);
    delete escape;
    EXPECT_FALSE(isPrimary(escape));
    EXPECT_EQ(Switch::sPrimaries.size(), before);
    SnapshotState state;
    state.turn();  // would touch freed memory if it were still listed
}

TEST(Switches, DependentsUpdateInOrderRightAfterTheirSource) {
    SnapshotState state;
    Key z(ALLEGRO_KEY_Z);
    OnPress first(&z);
    OnPress second(&first);  // a press of a press: on in the same turn as the first
    state.hold(ALLEGRO_KEY_Z, true);
    state.turn();
    EXPECT_TRUE(first.on());
    EXPECT_TRUE(second.on());
    z.unregisterDependent(&first);
    state.hold(ALLEGRO_KEY_Z, false);
    state.turn();
    EXPECT_TRUE(first.on()) << "an unregistered dependent keeps its last value";
}

TEST(Controls, KeyHeldWhenTheSetIsMadeCountsAsPressedOnce) {
    SnapshotState state;
    state.hold(ALLEGRO_KEY_Z, true);
    state.hold(ALLEGRO_KEY_SPACE, true);
    Controls& controls = Controls::get();
    EXPECT_EQ(&controls, Controls::controls);
    EXPECT_EQ(&Controls::get(), Controls::controls) << "made once";
    state.turn();
    EXPECT_TRUE(controls.jump->on());
    EXPECT_TRUE(controls.confirm->on());
    EXPECT_FALSE(controls.toss->on());
    EXPECT_FALSE(controls.up->on());
    state.turn();
    EXPECT_FALSE(controls.jump->on());
}

TEST(Controls, EachControlAnswersToItsKey) {
    SnapshotState state;
    Controls& controls = Controls::get();
    state.turn();
    struct Binding {
        int key;
        Switch* control;
    } bindings[] = {{ALLEGRO_KEY_UP, controls.up},       {ALLEGRO_KEY_DOWN, controls.down},
                    {ALLEGRO_KEY_LEFT, controls.left},   {ALLEGRO_KEY_RIGHT, controls.right},
                    {ALLEGRO_KEY_Z, controls.jump},      {ALLEGRO_KEY_X, controls.toss},
                    {ALLEGRO_KEY_SPACE, controls.confirm}, {ALLEGRO_KEY_ESCAPE, controls.back},
                    {ALLEGRO_KEY_R, controls.retry}};
    for (const Binding& b : bindings) {
        state.hold(b.key, true);
        state.turn();
        EXPECT_TRUE(b.control->on()) << "key " << b.key;
        state.hold(b.key, false);
        state.turn();
        EXPECT_FALSE(b.control->on()) << "key " << b.key;
    }
    SyntheticInput::setButton(state.mouse, 1, true);
    state.turn();
    EXPECT_TRUE(controls.click->on());
}

} // namespace
