#pragma once

#include <allegro5/allegro.h>

#include <string>
#include <vector>

// Scripted play: lines of "FRAMES KEYS..." with keys among left, right, up, down, jump, toss.
// Held keys are down for every step of their line; jump and toss are pressed on the line's
// first step only, so each line that names them fires them once.
class InputScript {
public:
    struct Line {
        int frames;
        std::vector<int> held;     // key codes down on every step
        std::vector<int> pressed;  // key codes down on the first step
    };

    // Returns false and says why in `error` for a malformed script; '#' starts a comment.
    bool parse(const std::string& text, std::string& error);
    // The same for a script file; an unreadable file is an error too.
    bool load(const std::string& path, std::string& error);
    int totalFrames() const;
    // Writes the keys of step `step` (0-based) into the snapshot; past the end nothing is down.
    void fill(int step, ALLEGRO_KEYBOARD_STATE& keyboard) const;

    const std::vector<Line>& lines() const { return script; }

private:
    std::vector<Line> script;
};
