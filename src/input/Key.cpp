#include "input/Key.h"

#include "core/AppStateBase.h"

Key::Key(int keyCode) : Switch(true), keyCode(keyCode) {}

void Key::update() {
    down = al_key_down(AppStateBase::sCurrent->keyState(), keyCode);
    updateDependent();
}
