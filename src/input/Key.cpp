#include "input/Key.h"

#include "core/AppStateBase.h"

Key::Key(int code) : Switch(true), keyCode(code) {}

void Key::update() {
    down = al_key_down(AppStateBase::sCurrent->keyState(), keyCode);
    updateDependent();
}
