#include "core/Game.h"

#include "world/Level.h"

Game* Game::sGame = nullptr;

Game::Game() : level(new Level()) {}

Game::~Game() {
    delete level;
}
