#include "Palette.h"

#include "Fail.h"

#include <cstdio>
#include <fstream>
#include <sstream>

Palette::Palette(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        fail(path, 0, "cannot open the palette");
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string key, name, hex;
        fields >> key >> name >> hex;
        if (key.size() != 1 || name.empty() || keys.count(name) || colours.count(key[0]))
            fail(path, number, "expected a new one-character key and a new name");
        if (key[0] == clearKey) {
            colours[clearKey] = al_map_rgba(0, 0, 0, 0);
        } else {
            unsigned value = 0;
            if (hex.size() != 6 || std::sscanf(hex.c_str(), "%6x", &value) != 1)
                fail(path, number, "expected a colour as rrggbb");
            colours[key[0]] = al_map_rgb(value >> 16, (value >> 8) & 0xff, value & 0xff);
        }
        keys[name] = key[0];
    }
    if (!colours.count(clearKey))
        fail(path, 0, "the palette has no transparent '.' entry");
}

ALLEGRO_COLOR Palette::colour(char key) const {
    auto found = colours.find(key);
    if (found == colours.end())
        fail("palette", 0, std::string("no colour for key '") + key + "'");
    return found->second;
}

ALLEGRO_COLOR Palette::named(const std::string& name) const {
    auto found = keys.find(name);
    if (found == keys.end())
        fail("palette", 0, "no colour named " + name);
    return colours.at(found->second);
}
