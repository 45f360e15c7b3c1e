#include "input/OnPress.h"

OnPress::OnPress(Switch* pressed) : Switch(false), source(pressed) {
    source->registerDependent(this);
}

OnPress::~OnPress() {
    source->unregisterDependent(this);
}

void OnPress::update() {
    previous = current;
    current = source->on();
    updateDependent();
}
