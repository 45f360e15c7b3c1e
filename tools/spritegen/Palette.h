#pragma once

#include <allegro5/allegro.h>

#include <map>
#include <string>

// The named colours every sprite is drawn from, keyed by the character the pixel grids use.
class Palette {
public:
    static constexpr char clearKey = '.';

    // Reads "key name rrggbb" lines; exits with a message on a malformed file.
    explicit Palette(const std::string& path);

    bool has(char key) const { return colours.count(key) != 0; }
    ALLEGRO_COLOR colour(char key) const;
    ALLEGRO_COLOR named(const std::string& name) const;
    int size() const { return int(colours.size()) - 1; }

private:
    std::map<char, ALLEGRO_COLOR> colours;
    std::map<std::string, char> keys;
};
