#include "input/OnPress.h"

OnPress::OnPress(Switch* source) : Switch(false), source(source) {
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
