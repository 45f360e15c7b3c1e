#include "input/Switch.h"

#include <algorithm>

std::vector<Switch*> Switch::sPrimaries;

Switch::Switch(bool readsDevice) : primary(readsDevice) {
    if (primary)
        sPrimaries.push_back(this);
}

Switch::~Switch() {
    if (primary)
        sPrimaries.erase(std::remove(sPrimaries.begin(), sPrimaries.end(), this), sPrimaries.end());
}

void Switch::registerDependent(Switch* dependent) {
    dependents.push_back(dependent);
}

void Switch::unregisterDependent(Switch* dependent) {
    dependents.erase(std::remove(dependents.begin(), dependents.end(), dependent), dependents.end());
}

void Switch::updatePrimaries() {
    for (Switch* s : sPrimaries)
        s->update();
}

void Switch::updateDependent() {
    for (Switch* s : dependents)
        s->update();
}
