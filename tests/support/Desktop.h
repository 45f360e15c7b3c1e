#pragma once

#include <allegro5/allegro.h>

#include <string>

// Plays the running game as a person at the desktop would: pointer and keys through the X
// server's test extension (xdotool), and screenshots of the game's window (ImageMagick).
class Desktop {
public:
    struct Colour {
        int r, g, b;
    };

    explicit Desktop(unsigned long window);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Window coordinates. A click is held for a few frames: the game samples the mouse once a
    // frame, and a press and release between two samples would go unseen.
    void clickAt(int x, int y);
    void moveTo(int x, int y);
    void buttonDown();
    void buttonUp();
    void key(const std::string& name);  // pressed and let go, by xdotool's key names
    void hold(const std::string& name, double seconds);
    void pause(double seconds);

    // Saves the window as NAME.png in the screenshot folder and keeps it for pixel reads; false
    // unless the window has the size given.
    bool shoot(const std::string& name, int width = 800, int height = 600);
    Colour at(int x, int y) const;  // in the last screenshot
    // Pixels of the last screenshot inside the box for which `test` holds, every `step` pixels.
    template <typename Test> int count(int x1, int y1, int x2, int y2, Test test, int step = 1) const {
        int found = 0;
        for (int y = y1; y < y2; y += step)
            for (int x = x1; x < x2; x += step)
                found += test(at(x, y)) ? 1 : 0;
        return found;
    }
    static std::string folder();

private:
    void xdotool(const std::string& arguments);

    std::string window;
    ALLEGRO_BITMAP* shot = nullptr;
};
