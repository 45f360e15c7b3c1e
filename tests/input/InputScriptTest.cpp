#include "input/InputScript.h"

#include <gtest/gtest.h>

namespace {

// Held keys last their line; presses (jump, toss) only its first step.
TEST(InputScript, HeldKeysLastTheLineAndPressesOnlyItsFirstStep) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("# warm up\n10\n5 right jump\n\n3 up toss  # throw high\n", error)) << error;
    EXPECT_EQ(script.lines().size(), 3u);
    EXPECT_EQ(script.totalFrames(), 18);
    const struct {
        int step, key;
        bool down;
    } expected[] = {{9, ALLEGRO_KEY_RIGHT, false}, {10, ALLEGRO_KEY_RIGHT, true}, {10, ALLEGRO_KEY_Z, true},
                    {11, ALLEGRO_KEY_Z, false},    {14, ALLEGRO_KEY_RIGHT, true}, {15, ALLEGRO_KEY_RIGHT, false},
                    {15, ALLEGRO_KEY_X, true},     {17, ALLEGRO_KEY_UP, true},    {18, ALLEGRO_KEY_UP, false}};
    for (const auto& e : expected) {
        ALLEGRO_KEYBOARD_STATE keyboard;
        script.fill(e.step, keyboard);
        EXPECT_EQ(al_key_down(&keyboard, e.key), e.down) << "key " << e.key << " at step " << e.step;
    }
}

TEST(InputScript, MalformedLinesAreRefusedWithTheirNumber) {
    InputScript script;
    std::string error;
    EXPECT_FALSE(script.parse("4 left\n2 sideways\n", error));
    EXPECT_EQ(error, "line 2: unknown key 'sideways'");
    EXPECT_FALSE(script.parse("x left\n", error));
    EXPECT_EQ(error, "line 1: 'x' is not a positive frame count");
    for (const char* bad : {"0 left\n", "12abc\n", "99999999999 left\n"})
        EXPECT_FALSE(script.parse(bad, error)) << bad;
    EXPECT_FALSE(script.load("no-such-folder/1.script", error));
    EXPECT_EQ(error, "cannot open no-such-folder/1.script");
}

} // namespace
