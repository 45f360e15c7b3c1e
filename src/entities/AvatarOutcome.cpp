#include "entities/Avatar.h"

#include "assets/Sound.h"
#include "entities/Container.h"
#include "entities/Particle.h"
#include "progress/Config.h"
#include "world/World.h"

void Avatar::die(const std::string& why) {
    if (status != Status::PLAYING)
        return;
    Sound::play(dieSound, 1.0f, 1.0f);
    Config::get().countDeath();
    Particle::puffAt(world, pos());
    status = Status::DEAD;
    reason = why;
    if (carried)
        dropCarried();
}

void Avatar::win() {
    if (status != Status::PLAYING)
        return;
    status = Status::WON;
    reason = "";
}

// A level without containers is never won.
void Avatar::checkWinConditions() {
    const World::List& containers = world->list(Tags::CONT);
    if (containers.empty())
        return;
    for (Entity* entity : containers)
        if (static_cast<Container*>(entity)->count > 0)
            return;
    win();
}
