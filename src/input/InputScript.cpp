#include "input/InputScript.h"

#include "core/AtomicFile.h"
#include "input/SyntheticInput.h"

#include <sstream>

namespace {

struct KeyName {
    const char* name;
    int code;
    bool pressOnly;
};

const KeyName KEY_NAMES[] = {{"left", ALLEGRO_KEY_LEFT, false}, {"right", ALLEGRO_KEY_RIGHT, false},
                             {"up", ALLEGRO_KEY_UP, false},     {"down", ALLEGRO_KEY_DOWN, false},
                             {"jump", ALLEGRO_KEY_Z, true},     {"toss", ALLEGRO_KEY_X, true}};

const KeyName* findKey(const std::string& word) {
    for (const KeyName& key : KEY_NAMES)
        if (word == key.name)
            return &key;
    return nullptr;
}

bool parseLine(const std::string& text, InputScript::Line& line, std::string& error) {
    std::istringstream words(text);
    std::string count;
    words >> count;
    size_t used = 0;
    try {
        line.frames = std::stoi(count, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != count.size() || line.frames <= 0) {
        error = "'" + count + "' is not a positive frame count";
        return false;
    }
    std::string word;
    while (words >> word) {
        const KeyName* key = findKey(word);
        if (!key) {
            error = "unknown key '" + word + "'";
            return false;
        }
        (key->pressOnly ? line.pressed : line.held).push_back(key->code);
    }
    return true;
}

}  // namespace

bool InputScript::parse(const std::string& text, std::string& error) {
    script.clear();
    std::istringstream input(text);
    std::string raw;
    for (int number = 1; std::getline(input, raw); ++number) {
        std::string content = raw.substr(0, raw.find('#'));
        if (content.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        Line line;
        if (!parseLine(content, line, error)) {
            error = "line " + std::to_string(number) + ": " + error;
            return false;
        }
        script.push_back(line);
    }
    return true;
}

int InputScript::totalFrames() const {
    int total = 0;
    for (const Line& line : script)
        total += line.frames;
    return total;
}

void InputScript::fill(int step, ALLEGRO_KEYBOARD_STATE& keyboard) const {
    SyntheticInput::clear(keyboard);
    int start = 0;
    for (const Line& line : script) {
        if (step < start + line.frames) {
            for (int code : line.held)
                SyntheticInput::setKey(keyboard, code, true);
            if (step == start)
                for (int code : line.pressed)
                    SyntheticInput::setKey(keyboard, code, true);
            return;
        }
        start += line.frames;
    }
}

bool InputScript::load(const std::string& path, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!AtomicFile::read(path, bytes)) {
        error = "cannot open " + path;
        return false;
    }
    return parse(std::string(bytes.begin(), bytes.end()), error);
}
