#include "input/MouseKey.h"

#include "core/AppStateBase.h"

MouseKey::MouseKey(MouseKeyType which) : Switch(true), button(which) {}

void MouseKey::update() {
    down = al_mouse_button_down(AppStateBase::sCurrent->mouseState(), button);
    updateDependent();
}
