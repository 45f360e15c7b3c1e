#include "input/InputScript.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Held keys last their line; presses (jump, toss) only its first step.
TEST(InputScript, HeldKeysLastTheLineAndPressesOnlyItsFirstStep) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("# warm up\n10\n5 right jump\n\n3 up toss  # throw high\n", error)) << error;
    EXPECT_EQ(script.totalFrames(), 18);
    const std::tuple<int, int, bool> steps[] = {
        {9, ALLEGRO_KEY_RIGHT, false},  {10, ALLEGRO_KEY_RIGHT, true}, {10, ALLEGRO_KEY_Z, true},
        {11, ALLEGRO_KEY_Z, false},     {14, ALLEGRO_KEY_RIGHT, true}, {14, ALLEGRO_KEY_Z, false},
        {15, ALLEGRO_KEY_RIGHT, false}, {15, ALLEGRO_KEY_X, true},     {16, ALLEGRO_KEY_X, false},
        {17, ALLEGRO_KEY_UP, true},     {18, ALLEGRO_KEY_UP, false}};
    for (auto [step, key, down] : steps) {
        ALLEGRO_KEYBOARD_STATE keyboard;
        script.fill(step, keyboard);
        EXPECT_EQ(al_key_down(&keyboard, key), down) << "key " << key << " at step " << step;
    }
}

TEST(InputScript, MalformedLinesAreRefusedWithTheirNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"4 left\n0 right\n", "line 2: '0' is not a positive frame count"},
        {"\n# a comment\n-3 left\n", "line 3: '-3' is not a positive frame count"},
        {"12abc\n", "line 1: '12abc' is not a positive frame count"},
        {"99999999999 left\n", "line 1: '99999999999' is not a positive frame count"},
        {"4 left\n2 sideways\n", "line 2: unknown key 'sideways'"},
    };
    InputScript script;
    std::string error;
    for (auto [text, expected] : cases) {
        EXPECT_FALSE(script.parse(text, error)) << text;
        EXPECT_EQ(error, expected);
    }
    EXPECT_FALSE(script.load("no-such-folder/1.script", error));
    EXPECT_EQ(error, "cannot open no-such-folder/1.script");
}

}  // namespace
