#pragma once

#include "states/AppState.h"
#include "support/AllegroFixture.h"

#include <initializer_list>
#include <string>

// Runs screens frame by frame without their loop: each frame writes the state's keyboard
// snapshot, samples the switches from it and updates the state, as the loop would. The mouse
// snapshot is the test's to set. Progress goes to a scratch file, never to the real one.
class StateTest : public AllegroTest {
protected:
    static void SetUpTestSuite();  // with the silent sound device and the module player, as the game has
    void SetUp() override;
    void TearDown() override;
    // With `current`, that state's keyboard is written and it is the running state, as when the
    // title drives its background level.
    void frame(AppState<int>& state, std::initializer_list<int> keys = {}, double dt = 0.017,
               AppState<int>* current = nullptr);
    // A frame with the state's mouse at (x, y), the buttons as given and the wheel at `wheel`.
    void mouse(AppState<int>& state, int x, int y, bool left = false, bool right = false, int wheel = 0);
    // A level file from map rows and object lines, as the scenario tests write them.
    std::string levelFile(const std::vector<std::string>& rows, const std::string& objects = "");
    std::string progressFile;

private:
    std::string savedProgressPath;
};
