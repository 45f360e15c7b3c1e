#include "states/Startup.h"

#include "assets/Draw.h"
#include "assets/Theme.h"
#include "core/Die.h"
#include "core/SPrintF.h"
#include "input/Gamepad.h"
#include "music/a5play.h"
#include "progress/Config.h"
#include "states/Screen.h"

#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Startup {

bool firstArgumentIs(int argc, char** argv, const char* option) {
    return argc > 1 && std::strcmp(argv[1], option) == 0;
}

namespace {

void startLibrary() {
    if (!al_install_system(ALLEGRO_VERSION_INT, std::atexit))
        die("Unable to initialize Allegro 5.");
    al_init_font_addon();
    if (!al_init_ttf_addon())
        die("Unable to initialize ttf addon.");
    al_init_image_addon();
}

// OpenGL first; without it only when that fails. Pacing is the frame timer's, so no vsync.
ALLEGRO_DISPLAY* tryDisplay(int mode, int width, int height) {
    al_set_new_display_flags(mode | ALLEGRO_RESIZABLE | ALLEGRO_OPENGL);
    al_set_new_display_option(ALLEGRO_VSYNC, 2, ALLEGRO_SUGGEST);
    ALLEGRO_DISPLAY* display = al_create_display(width, height);
    if (!display) {
        al_set_new_display_flags(mode | ALLEGRO_RESIZABLE);
        display = al_create_display(width, height);
    }
    return display;
}

// Full screen is a window at the desktop's own size, so no video mode is ever asked for; when
// even that cannot be had, a window will do.
ALLEGRO_DISPLAY* openDisplay(bool fullScreen) {
    int width, height;
    Screen::desktopWindowSize(width, height);
    ALLEGRO_DISPLAY* display = nullptr;
    if (fullScreen) {
        int desktopWidth, desktopHeight;
        Screen::desktopSize(desktopWidth, desktopHeight);
        display = tryDisplay(ALLEGRO_FULLSCREEN_WINDOW, desktopWidth, desktopHeight);
        if (!display)
            std::printf("Full screen is not available here: playing in a window.\n");
    }
    if (!display)
        display = tryDisplay(ALLEGRO_WINDOWED, width, height);
    if (!display)
        die("Unable to create any sort of display window.");
    Draw::init();
    return display;
}

void startInput(ALLEGRO_DISPLAY* display) {
    al_install_keyboard();
    al_install_mouse();
    Gamepad::start();
    al_show_mouse_cursor(display);
}

// Sixteen voices for the sounds and the default mixer for the music; without them the game plays
// on in silence: with no audio system, samples load as nothing and modules never start.
void startAudio() {
    bool audio = al_install_audio() && al_reserve_samples(16) && al_get_default_mixer();
    if (!audio) {
        if (al_is_audio_installed())
            al_uninstall_audio();
        std::printf("No sound device: playing without sound.\n");
        std::fflush(stdout);
        return;
    }
    al_init_acodec_addon();
    al_init_dumb_addon(1);
    al_duh_set_volume(al_play_module("media/dreamland.xm", 0, true), 0.25f);
}

}  // namespace

ALLEGRO_DISPLAY* startGame(bool fullScreen) {
    startLibrary();
    ALLEGRO_DISPLAY* display = openDisplay(fullScreen);
    startInput(display);
    startAudio();
    Config::get().initialize(countLevels());
    Theme::initialize();
    return display;
}

void startHeadless() {
    if (!al_init() || !al_init_image_addon() || !al_init_font_addon() || !al_init_ttf_addon())
        die("CANNOT START ALLEGRO!!!\n");
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    Draw::init();
    Theme::initialize();
}

int countLevels(const char* namePattern) {
    int count = 0;
    for (;;) {
        std::FILE* file = std::fopen(SPrintF::format(namePattern, count + 1).c_str(), "r");
        if (!file)
            return count;
        std::fclose(file);
        ++count;
    }
}

}  // namespace Startup
