#include "entities/SwitchLook.h"

#include "assets/Draw.h"
#include "assets/Sheet.h"
#include "assets/TilePainter.h"

namespace SwitchLook {

namespace {

const int PAINT_OFFSET = 9;  // frames 16-19 hold the painted parts of frames 7-10

bool has(Sheet* sheet, int frame) {
    return frame < static_cast<int>(sheet->frames.size());
}

}  // namespace

void draw(Sheet* sheet, int frame, double x, double y, int channel) {
    if (has(sheet, frame))
        Draw::bitmap(sheet->frames[frame], x, y);
    if (has(sheet, frame + PAINT_OFFSET))
        Draw::tintedBitmap(sheet->frames[frame + PAINT_OFFSET], x, y, TilePainter::groupColour(channel));
}

}  // namespace SwitchLook
