#pragma once

class Sheet;

namespace SwitchLook {

// Draws a lever's or a pad's tile-sheet frame, then its painted parts (the frame nine places
// on) in the colour of the walls its channel switches, so every switch shows its group.
void draw(Sheet* sheet, int frame, double x, double y, int channel);

}  // namespace SwitchLook
