#pragma once

#include "support/Files.h"

#include <chrono>
#include <functional>
#include <string>
#include <thread>

// The built game in a scratch folder that sees the run folder's media/ and a copy of its levels/
// (so its progress and the editor's files never touch the real ones), on a virtual screen of its
// own, played as a person would: pointer and keys through xdotool, screenshots through ImageMagick.
class GameProcess {
public:
    struct Colour {
        int r, g, b;
    };

    GameProcess();
    ~GameProcess();  // kills the game if it still runs

    // On a screen of `screen` ("WxH"), with `environment` ("NAME=value ...") set for the game alone.
    void start(const std::string& arguments, const std::string& screen, const std::string& environment = "");
    int wait(double seconds);  // the exit status, or -1 if it had to be killed after `seconds`
    // Whether the window came, and then its first frames; the pointer then rests on it, for the keys.
    bool open(double seconds);
    std::string output() const { return fileText(scratch + "/stdout.txt"); }
    const std::string& folder() const { return scratch; }

    // Window coordinates. Presses are held for a few frames: the game samples the mouse and keys
    // once a frame, and a press and release between two samples would go unseen.
    void moveTo(int x, int y, const std::string& then = "") {  // then more xdotool commands, if given
        onScreen("xdotool mousemove --window " + windowId + " " + std::to_string(x) + " " +
                 std::to_string(y) + then);
    }
    void clickAt(int x, int y) { moveTo(x, y, " sleep 0.1 mousedown 1 sleep 0.1 mouseup 1 sleep 0.1"); }
    // By xdotool's key names: pressed for `held` seconds, then `then` seconds for the game to follow.
    void key(const std::string& name, double then = 0.1, double held = 0.1) {
        onScreen("xdotool keydown " + name + " sleep " + std::to_string(held) + " keyup " + name + " sleep " +
                 std::to_string(then));
    }
    static void pause(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

    // Saves the window as NAME.png in build/screenshots and keeps its pixels; false unless the
    // window has the size given.
    bool shoot(const std::string& name, int width = 800, int height = 600);
    // Pixels of the last screenshot inside the box for which `test` holds, every `step` pixels.
    int count(int x1, int y1, int x2, int y2, const std::function<bool(Colour)>& test, int step = 1) const;

private:
    std::string onScreen(const std::string& command) const;

    std::string scratch, display, windowId;
    int child = -1, exitStatus = -1;
    std::string pixels;  // the last screenshot's, three bytes each, row by row
    int shotWidth = 0;
};
