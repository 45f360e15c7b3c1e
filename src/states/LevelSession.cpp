#include "states/LevelSession.h"

#include "entities/Avatar.h"
#include "entities/Cloud.h"
#include "io/LoadSave.h"
#include "world/Game.h"
#include "world/Level.h"
#include "world/Tile.h"

namespace {

const int CLOUDS = 24;

// Groups 0-9 start present and 10-15 absent in every attempt, whatever the last level's
// switches left behind.
void resetGroups() {
    for (int type = 0; type < Tile::TYPES; ++type)
        Tile::setPresent(type, type < 10);
}

}  // namespace

LevelSession::LevelSession(const char* file) {
    LoadSave().load(file, &world);
    game = new Game();
    for (int i = 0; i < CLOUDS; ++i)
        world.add(new Cloud(true));
    world.reindex();
    game->level->addTiles(&world);
    resetGroups();
    world.reindex();
}

LevelSession::~LevelSession() {
    delete game;
}

void LevelSession::step(double dt) {
    for (Entity* entity : world.list(Tags::DYNA))
        entity->update(dt);
    world.reindex();
}

Avatar* LevelSession::avatar() {
    return static_cast<Avatar*>(world.entity(Tags::AVAT));
}

int LevelSession::garbageTotal() const {
    return game->level->garbageCount;
}
