#include "states/HeadsUp.h"

#include "assets/Draw.h"
#include "core/SPrintF.h"
#include "entities/Container.h"
#include "states/LevelSession.h"
#include "world/Game.h"

namespace {

const float TOP = 3;
const float MARGIN = 26;  // clear of a wall along the screen's edge

int bagsDue(World& world) {
    int due = 0;
    for (Entity* entity : world.list(Tags::CONT))
        due += static_cast<Container*>(entity)->count;
    return due;
}

}  // namespace

namespace HeadsUp {

Figures measure(LevelSession& session, double target) {
    Game* game = session.game;
    return {game->elapsedTime, target, static_cast<int>(game->looseGarbage), session.garbageTotal(),
            bagsDue(session.world)};
}

// The silver crown asks for a time strictly below the target.
Line compose(const Figures& figures) {
    return {SPrintF::format("Time: %.2lfs / %.2lfs", figures.elapsed, figures.target),
            SPrintF::format("Loose garbage: %d/%d", figures.garbageGot, figures.garbageTotal),
            SPrintF::format("Bags to deliver: %d", figures.bagsDue), figures.elapsed < figures.target};
}

void draw(const Line& line, ALLEGRO_FONT* font) {
    ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    ALLEGRO_COLOR timeColour = line.silverInReach ? white : al_map_rgb(150, 150, 150);
    Draw::shadowedText(font, MARGIN, TOP, ALLEGRO_ALIGN_LEFT, line.time, timeColour);
    Draw::shadowedText(font, 400, TOP, ALLEGRO_ALIGN_CENTRE, line.garbage, white);
    Draw::shadowedText(font, 800 - MARGIN, TOP, ALLEGRO_ALIGN_RIGHT, line.bags, white);
}

}  // namespace HeadsUp
