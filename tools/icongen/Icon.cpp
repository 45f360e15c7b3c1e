#include "Icon.h"

#include "Fail.h"

#include <algorithm>

namespace {

constexpr int CORNER_RADIUS = 4;
constexpr int GROUND_TOP = 25;

Grid composedFrame(const SpriteSource& source, const std::string& sheet, const std::string& label) {
    for (const PictureSource& picture : source.pictures)
        for (const FrameSource& frame : picture.frames)
            if (picture.name == sheet && frame.label == label)
                return source.compose(frame, picture);
    fail(sheet, 0, "the icon needs the frame " + label);
}

bool insideSquare(int x, int y) {
    int last = ICON_GRID - 1;
    int cx = std::clamp(x, CORNER_RADIUS, last - CORNER_RADIUS);
    int cy = std::clamp(y, CORNER_RADIUS, last - CORNER_RADIUS);
    int dx = x - cx, dy = y - cy;
    // The extra radius rounds the corner's pixels the way a circle drawn on the grid would.
    return dx * dx + dy * dy <= CORNER_RADIUS * CORNER_RADIUS + CORNER_RADIUS;
}

bool onOutline(int x, int y) {
    return !insideSquare(x - 1, y) || !insideSquare(x + 1, y) || !insideSquare(x, y - 1) ||
           !insideSquare(x, y + 1) || x == 0 || y == 0 || x == ICON_GRID - 1 || y == ICON_GRID - 1;
}

// The columns the frame's pixels occupy and its lowest row, to stand it centred on the ground.
void paintedExtent(const Grid& grid, int* left, int* right, int* bottom) {
    *left = grid.width;
    *right = -1;
    *bottom = -1;
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x)
            if (grid.at(x, y) != Palette::clearKey) {
                *left = std::min(*left, x);
                *right = std::max(*right, x);
                *bottom = std::max(*bottom, y);
            }
}

}  // namespace

ALLEGRO_BITMAP* drawIcon(const SpriteSource& source, const Palette& palette) {
    Grid ground = composedFrame(source, "tilesheet", "green-leaves");
    Grid avatar = composedFrame(source, "guysheet", "stand");
    int left, right, bottom;
    paintedExtent(avatar, &left, &right, &bottom);
    int shiftX = (ICON_GRID - (right - left + 1)) / 2 - left;
    int shiftY = GROUND_TOP - 1 - bottom;

    ALLEGRO_BITMAP* icon = al_create_bitmap(ICON_GRID, ICON_GRID);
    al_set_target_bitmap(icon);
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    al_lock_bitmap(icon, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_READWRITE);
    for (int y = 0; y < ICON_GRID; ++y)
        for (int x = 0; x < ICON_GRID; ++x) {
            if (!insideSquare(x, y))
                continue;
            ALLEGRO_COLOR colour = palette.named("sky");
            if (y >= GROUND_TOP)
                colour = palette.colour(ground.at(x % ground.width, y - GROUND_TOP));
            int ax = x - shiftX, ay = y - shiftY;
            if (ax >= 0 && ay >= 0 && ax < avatar.width && ay < avatar.height &&
                avatar.at(ax, ay) != Palette::clearKey)
                colour = palette.colour(avatar.at(ax, ay));
            if (onOutline(x, y))
                colour = palette.named("ink");
            al_put_pixel(x, y, colour);
        }
    al_unlock_bitmap(icon);
    return icon;
}

ALLEGRO_BITMAP* enlargeIcon(ALLEGRO_BITMAP* icon, int size) {
    if (size % ICON_GRID != 0)
        fail("icon", 0, "sizes must be whole multiples of the design grid");
    // Memory bitmaps without linear filtering scale by repeating pixels; copy, do not blend.
    ALLEGRO_BITMAP* large = al_create_bitmap(size, size);
    al_set_target_bitmap(large);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    al_draw_scaled_bitmap(icon, 0, 0, ICON_GRID, ICON_GRID, 0, 0, size, size, 0);
    return large;
}
