#pragma once

#include <allegro5/allegro.h>

#include <string>
#include <vector>

// The built game in a scratch folder that sees the run folder's media/ and a copy of its levels/
// (so its progress and the editor's files never touch the real ones), on a virtual screen of its
// own, played as a person would: pointer and keys through xdotool, screenshots through ImageMagick.
class GameProcess {
public:
    struct Colour {
        int r, g, b;
    };

    GameProcess();
    ~GameProcess();

    // On a screen of `screen` ("WxH"), or with no display when it is empty; `environment` entries
    // (NAME=value) are set for the game alone.
    void start(const std::vector<std::string>& arguments, const std::string& screen = "1024x768",
               const std::vector<std::string>& environment = {});
    int wait(double seconds);  // the exit status, or -1 if it had to be killed after `seconds`
    bool open(double seconds);  // whether the window came; the pointer then rests on it, for the keys
    // Asks the window to close as a window manager would, again every half second (a request
    // before the game listens is lost) until it ends; the exit status as wait() gives it.
    int close(double seconds);
    std::string output() const;
    const std::string& folder() const { return scratch; }

    // Window coordinates. Presses are held for a few frames: the game samples the mouse and keys
    // once a frame, and a press and release between two samples would go unseen.
    void moveTo(int x, int y);
    void clickAt(int x, int y);
    void button(bool down);
    void key(const std::string& name);  // by xdotool's key names
    void hold(const std::string& name, double seconds);
    static void pause(double seconds);

    // Saves the window as NAME.png in build/screenshots and keeps it for pixel reads; false
    // unless the window has the size given.
    bool shoot(const std::string& name, int width = 800, int height = 600);
    Colour at(int x, int y) const;
    // Pixels of the last screenshot inside the box for which `test` holds, every `step` pixels.
    template <typename Test> int count(int x1, int y1, int x2, int y2, Test test, int step = 1) const {
        int found = 0;
        for (int y = y1; y < y2; y += step)
            for (int x = x1; x < x2; x += step)
                found += test(at(x, y)) ? 1 : 0;
        return found;
    }

private:
    bool running();
    std::string onScreen(const std::string& command) const;

    std::string scratch, display, window;
    int child = -1, exitStatus = -1;
    ALLEGRO_BITMAP* shot = nullptr;
};
