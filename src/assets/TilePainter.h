#pragma once

#include <allegro5/allegro.h>

class Entity;

// How tiles look: a face from the tile sheet, a dark outline and a bevel on each side that
// borders a different cell, and only a faint outline in its group's colour while the group
// is absent.
namespace TilePainter {

// Hands the world this painter for its tiles; Draw::init does it once.
void install();
// The colour of a group's material, which its switches and its absent outline show.
ALLEGRO_COLOR groupColour(int type);
// Draws a run of tiles as their one-by-one drawing would: the faces in one batch per type,
// then all of the edges in one fill, since tiles never overlap.
void paintRun(Entity* const* first, Entity* const* last);

}  // namespace TilePainter
