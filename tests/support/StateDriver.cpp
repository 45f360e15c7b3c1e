#include "support/StateDriver.h"

#include "assets/Theme.h"
#include "input/SyntheticInput.h"
#include "music/a5play.h"

#include "progress/Config.h"
#include "support/Scenario.h"

#include <allegro5/allegro_audio.h>

void StateTest::SetUpTestSuite() {
    AllegroTest::SetUpTestSuite();
    ASSERT_TRUE(al_install_audio()) << "the test runner provides a silent sound device";
    al_reserve_samples(16);
    al_init_dumb_addon(1);
    Theme::initialize();
}

void StateTest::SetUp() {
    AllegroTest::SetUp();
    Config& config = Config::get();
    savedProgressPath = config.path;
    progressFile = scratchFolder() + "/sorrelmoor.dat";
    config.path = progressFile;
    config.levels.clear();
    config.deaths = 0;
    config.initialize(3);
}

void StateTest::TearDown() {
    Config::get().path = savedProgressPath;
    AppStateBase::sCurrent = nullptr;
    al_stop_module();
    AllegroTest::TearDown();
}

void StateTest::frame(AppState<int>& state, std::initializer_list<int> keys, double dt,
                      AppState<int>* current) {
    AppState<int>& running = current ? *current : state;
    SyntheticInput::clear(running.keyboard);
    for (int key : keys)
        SyntheticInput::setKey(running.keyboard, key, true);
    AppStateBase::sCurrent = &running;
    Switch::updatePrimaries();
    state.update(dt);
}

void StateTest::mouse(AppState<int>& state, int x, int y, bool left, bool right, int wheel) {
    SyntheticInput::clear(state.mouse);
    state.mouse.x = x;
    state.mouse.y = y;
    state.mouse.z = wheel;
    state.mouse.buttons = (left ? 1 : 0) | (right ? 2 : 0);
    frame(state);
}

std::string StateTest::levelFile(const std::vector<std::string>& rows, const std::string& objects) {
    static int made = 0;
    return Scenario(scratchFolder(), rows, objects, "level" + std::to_string(++made) + ".lv").levelFile;
}
