#include "input/SyntheticInput.h"

#include <cstring>

namespace SyntheticInput {

void clear(ALLEGRO_KEYBOARD_STATE& keyboard) {
    std::memset(&keyboard, 0, sizeof keyboard);
}

// al_key_down reads one bit per key code from these words.
void setKey(ALLEGRO_KEYBOARD_STATE& keyboard, int keyCode, bool down) {
    unsigned int bit = 1u << (keyCode % 32);
    unsigned int& word = keyboard.__key_down__internal__[keyCode / 32];
    word = down ? (word | bit) : (word & ~bit);
}

void clear(ALLEGRO_MOUSE_STATE& mouse) {
    std::memset(&mouse, 0, sizeof mouse);
}

void setButton(ALLEGRO_MOUSE_STATE& mouse, int button, bool down) {
    int bit = 1 << (button - 1);
    mouse.buttons = down ? (mouse.buttons | bit) : (mouse.buttons & ~bit);
}

}  // namespace SyntheticInput
