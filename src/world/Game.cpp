#include "world/Game.h"

#include "world/Level.h"

Game* Game::sGame = nullptr;

Game::Game() : level(new Level()), displaced(sGame) {
    sGame = this;
}

Game::~Game() {
    delete level;
    if (sGame == this)
        sGame = displaced;
}
