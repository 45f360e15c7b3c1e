#include "support/Desktop.h"

#include <allegro5/allegro_image.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

// The library only reads screenshots here. Started without DISPLAY it opens no X connection of
// its own, which the end of a test's virtual screen would break, ending the test program.
void startImageReader() {
    const char* display = std::getenv("DISPLAY");
    std::string kept = display ? display : "";
    unsetenv("DISPLAY");
    al_init();
    al_init_image_addon();
    setenv("DISPLAY", kept.c_str(), 1);
}

} // namespace

Desktop::Desktop(unsigned long window) : window(std::to_string(window)) {
    startImageReader();
    std::system(("mkdir -p '" + folder() + "'").c_str());
    // Without a window manager, keys go to the window under the pointer.
    moveTo(400, 300);
    xdotool("windowfocus " + this->window);
}

Desktop::~Desktop() {
    if (shot)
        al_destroy_bitmap(shot);
}

std::string Desktop::folder() {
    return std::string(SORRELMOOR_RUN_DIR) + "/../screenshots";
}

void Desktop::xdotool(const std::string& arguments) {
    // Bounded, so that a desktop that stops answering fails the test instead of hanging it.
    std::system(("timeout 10 xdotool " + arguments + " >/dev/null 2>&1").c_str());
}

void Desktop::moveTo(int x, int y) {
    xdotool("mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y));
}

void Desktop::clickAt(int x, int y) {
    moveTo(x, y);
    pause(0.1);
    buttonDown();
    pause(0.1);
    buttonUp();
    pause(0.1);
}

void Desktop::buttonDown() {
    xdotool("mousedown 1");
}

void Desktop::buttonUp() {
    xdotool("mouseup 1");
}

// Held and then let go for a few frames each, so that the game samples both, even when busy.
void Desktop::key(const std::string& name) {
    xdotool("keydown " + name);
    pause(0.1);
    xdotool("keyup " + name);
    pause(0.1);
}

void Desktop::hold(const std::string& name, double seconds) {
    xdotool("keydown " + name);
    pause(seconds);
    xdotool("keyup " + name);
}

void Desktop::pause(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

bool Desktop::shoot(const std::string& name, int width, int height) {
    std::string path = folder() + "/" + name + ".png";
    if (std::system(("timeout 20 import -window " + window + " '" + path + "' 2>/dev/null").c_str()) != 0)
        return false;
    if (shot)
        al_destroy_bitmap(shot);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    shot = al_load_bitmap(path.c_str());
    return shot && al_get_bitmap_width(shot) == width && al_get_bitmap_height(shot) == height;
}

Desktop::Colour Desktop::at(int x, int y) const {
    unsigned char r = 0, g = 0, b = 0;
    if (shot)
        al_unmap_rgb(al_get_pixel(shot, x, y), &r, &g, &b);
    return {r, g, b};
}
