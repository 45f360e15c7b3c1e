#include "input/InputScript.h"

#include <gtest/gtest.h>

namespace {

bool down(const InputScript& script, int step, int key) {
    ALLEGRO_KEYBOARD_STATE keyboard;
    script.fill(step, keyboard);
    return al_key_down(&keyboard, key);
}

TEST(InputScript, HeldKeysLastTheLineAndPressesOnlyItsFirstStep) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("# warm up\n10\n5 right jump\n\n3 up toss  # throw high\n", error)) << error;
    ASSERT_EQ(script.lines().size(), 3u);
    EXPECT_EQ(script.totalFrames(), 18);
    EXPECT_FALSE(down(script, 9, ALLEGRO_KEY_RIGHT));
    EXPECT_TRUE(down(script, 10, ALLEGRO_KEY_RIGHT));
    EXPECT_TRUE(down(script, 10, ALLEGRO_KEY_Z));
    EXPECT_FALSE(down(script, 11, ALLEGRO_KEY_Z));
    EXPECT_TRUE(down(script, 14, ALLEGRO_KEY_RIGHT));
    EXPECT_FALSE(down(script, 15, ALLEGRO_KEY_RIGHT));
    EXPECT_TRUE(down(script, 15, ALLEGRO_KEY_UP));
    EXPECT_TRUE(down(script, 15, ALLEGRO_KEY_X));
    EXPECT_TRUE(down(script, 17, ALLEGRO_KEY_UP));
    EXPECT_FALSE(down(script, 18, ALLEGRO_KEY_UP)) << "nothing is down after the script";
}

TEST(InputScript, MalformedLinesAreRefusedWithTheirNumber) {
    InputScript script;
    std::string error;
    EXPECT_FALSE(script.parse("4 left\n2 sideways\n", error));
    EXPECT_EQ(error, "line 2: unknown key 'sideways'");
    EXPECT_FALSE(script.parse("x left\n", error));
    EXPECT_EQ(error, "line 1: 'x' is not a positive frame count");
    EXPECT_FALSE(script.parse("0 left\n", error));
    EXPECT_FALSE(script.parse("12abc\n", error));
    EXPECT_FALSE(script.parse("99999999999 left\n", error));
    EXPECT_FALSE(script.load("no-such-folder/1.script", error));
    EXPECT_EQ(error, "cannot open no-such-folder/1.script");
}

} // namespace
