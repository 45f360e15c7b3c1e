#include "input/Controls.h"
#include "input/SyntheticInput.h"
#include "support/StateDriver.h"

#include <algorithm>

namespace {

using SwitchTest = StateTest;

// A press of a press is on in the same turn as the first; switches read the state run last.
TEST_F(SwitchTest, AHeldKeyIsOnePressUntilReleasedAndDependentsFollowTheirSourceAtOnce) {
    AppState<int> state, inner;
    Key z(ALLEGRO_KEY_Z), left(ALLEGRO_KEY_LEFT);
    OnPress jump(&z), again(&jump);
    std::vector<bool> seen;
    for (bool down : {true, true, false, true, false}) {
        frame(state, {down ? ALLEGRO_KEY_Z : ALLEGRO_KEY_X});
        seen.push_back(jump.on());
        EXPECT_EQ(z.on(), down);
        EXPECT_EQ(again.on(), jump.on());
        EXPECT_FALSE(left.on());
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false, false, true, false}));
    z.unregisterDependent(&jump);
    frame(state, {ALLEGRO_KEY_Z});
    EXPECT_FALSE(jump.on()) << "an unregistered dependent keeps its last value";
    frame(inner);
    EXPECT_FALSE(z.on());
}

TEST_F(SwitchTest, EachControlAnswersToItsKeyOnceAPressAndMouseButtonsToTheirOwnBits) {
    AppState<int> state;
    Controls& controls = Controls::get();
    EXPECT_EQ(&Controls::get(), Controls::controls) << "made once";
    const std::pair<int, Switch*> bindings[] = {
        {ALLEGRO_KEY_UP, controls.up},         {ALLEGRO_KEY_DOWN, controls.down},
        {ALLEGRO_KEY_LEFT, controls.left},     {ALLEGRO_KEY_RIGHT, controls.right},
        {ALLEGRO_KEY_Z, controls.jump},        {ALLEGRO_KEY_X, controls.toss},
        {ALLEGRO_KEY_SPACE, controls.confirm}, {ALLEGRO_KEY_ESCAPE, controls.back},
        {ALLEGRO_KEY_R, controls.retry},       {ALLEGRO_KEY_P, controls.pause},
        {ALLEGRO_KEY_H, controls.hud},         {ALLEGRO_KEY_ENTER, controls.enter}};
    for (auto [key, control] : bindings) {
        frame(state, {key});
        for (auto [otherKey, other] : bindings)
            EXPECT_EQ(other->on(), otherKey == key) << "key " << key;
        frame(state, {key});
        EXPECT_EQ(control->on(), control == controls.up || control == controls.down || control == controls.left ||
                                     control == controls.right)
            << "held, key " << key;
    }
    MouseKey rightButton(MouseKey::RIGHT);
    SyntheticInput::clear(state.mouse);
    frame(state);
    SyntheticInput::setButton(state.mouse, 1, true);
    frame(state);
    EXPECT_TRUE(controls.click->on());
    EXPECT_FALSE(rightButton.on());
    SyntheticInput::setButton(state.mouse, 2, true);
    frame(state);
    EXPECT_FALSE(controls.click->on());
    EXPECT_TRUE(rightButton.on());
}

TEST_F(SwitchTest, ADestroyedPrimaryIsNoLongerSampled) {
    size_t before = Switch::sPrimaries.size();
    Key* escape = new Key(ALLEGRO_KEY_ESCAPE);
    EXPECT_EQ(Switch::sPrimaries.back(), escape);
    delete escape;
    EXPECT_EQ(Switch::sPrimaries.size(), before);
    EXPECT_EQ(std::count(Switch::sPrimaries.begin(), Switch::sPrimaries.end(), escape), 0);
}

} // namespace
