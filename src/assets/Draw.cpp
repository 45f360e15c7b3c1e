#include "assets/Draw.h"

#include "assets/TilePainter.h"

namespace Draw {

namespace {

ALLEGRO_COLOR currentTint = {1, 1, 1, 1};

}  // namespace

void init() {
    al_init_primitives_addon();
    al_set_new_bitmap_flags(al_get_new_bitmap_flags() | ALLEGRO_NO_PREMULTIPLIED_ALPHA);
    setOrdinaryBlender();
    TilePainter::install();
}

void setBlender(int op, int source, int destination, ALLEGRO_COLOR tint) {
    al_set_blender(op, source, destination);
    currentTint = tint;
}

void setOrdinaryBlender() {
    setBlender(ALLEGRO_ADD, ALPHA, INVERSE_ALPHA, al_map_rgb(255, 255, 255));
}

ALLEGRO_COLOR tint() {
    return currentTint;
}

ALLEGRO_COLOR tinted(ALLEGRO_COLOR colour) {
    return {colour.r * currentTint.r, colour.g * currentTint.g, colour.b * currentTint.b,
            colour.a * currentTint.a};
}

void bitmap(ALLEGRO_BITMAP* bitmap, float x, float y, int flags) {
    al_draw_tinted_bitmap(bitmap, currentTint, x, y, flags);
}

void tintedBitmap(ALLEGRO_BITMAP* bitmap, float x, float y, ALLEGRO_COLOR colour) {
    al_draw_tinted_bitmap(bitmap, tinted(colour), x, y, 0);
}

void scaledBitmap(ALLEGRO_BITMAP* bitmap, float sx, float sy, float sw, float sh, float dx, float dy,
                  float dw, float dh, int flags) {
    al_draw_tinted_scaled_bitmap(bitmap, currentTint, sx, sy, sw, sh, dx, dy, dw, dh, flags);
}

void text(ALLEGRO_FONT* font, float x, float y, int flags, const std::string& text) {
    al_draw_text(font, currentTint, x, y, flags, text.c_str());
}

void shadowedText(ALLEGRO_FONT* font, float x, float y, int flags, const std::string& text,
                  ALLEGRO_COLOR colour) {
    al_draw_text(font, tinted(al_map_rgb(0, 0, 0)), x + 1, y + 1, flags, text.c_str());
    al_draw_text(font, tinted(colour), x, y, flags, text.c_str());
}

void filledRectangle(float x1, float y1, float x2, float y2, ALLEGRO_COLOR colour) {
    al_draw_filled_rectangle(x1, y1, x2, y2, tinted(colour));
}

void rectangle(float x1, float y1, float x2, float y2, ALLEGRO_COLOR colour, float thickness) {
    al_draw_rectangle(x1, y1, x2, y2, tinted(colour), thickness);
}

void line(float x1, float y1, float x2, float y2, ALLEGRO_COLOR colour, float thickness) {
    al_draw_line(x1, y1, x2, y2, tinted(colour), thickness);
}

void pixel(float x, float y, ALLEGRO_COLOR colour) {
    al_draw_pixel(x, y, tinted(colour));
}

void filledEllipse(float cx, float cy, float rx, float ry, ALLEGRO_COLOR colour) {
    al_draw_filled_ellipse(cx, cy, rx, ry, tinted(colour));
}

void quad(const float xy[8], const ALLEGRO_COLOR colours[4]) {
    ALLEGRO_VERTEX vertices[4];
    for (int i = 0; i < 4; ++i)
        vertices[i] = {xy[2 * i], xy[2 * i + 1], 0, 0, 0, tinted(colours[i])};
    al_draw_prim(vertices, nullptr, nullptr, 0, 4, ALLEGRO_PRIM_TRIANGLE_FAN);
}

void holdBitmaps() {
    al_hold_bitmap_drawing(true);
}

void releaseBitmaps() {
    al_hold_bitmap_drawing(false);
}

namespace {

// Two triangles per rectangle; texture coordinates in pixels from its top-left corner.
void addRectangle(std::vector<ALLEGRO_VERTEX>& vertices, float x1, float y1, float x2, float y2,
                  ALLEGRO_COLOR c) {
    const ALLEGRO_VERTEX corners[4] = {{x1, y1, 0, 0, 0, c},
                                       {x2, y1, 0, x2 - x1, 0, c},
                                       {x2, y2, 0, x2 - x1, y2 - y1, c},
                                       {x1, y2, 0, 0, y2 - y1, c}};
    for (int i : {0, 1, 2, 0, 2, 3})
        vertices.push_back(corners[i]);
}

void fillTriangles(std::vector<ALLEGRO_VERTEX>& vertices, ALLEGRO_BITMAP* texture) {
    if (!vertices.empty())
        al_draw_prim(vertices.data(), nullptr, texture, 0, static_cast<int>(vertices.size()),
                     ALLEGRO_PRIM_TRIANGLE_LIST);
    vertices.clear();
}

}  // namespace

void RectangleBatch::add(float x1, float y1, float x2, float y2, ALLEGRO_COLOR colour) {
    addRectangle(vertices, x1, y1, x2, y2, tinted(colour));
}

void RectangleBatch::fill() {
    fillTriangles(vertices, nullptr);
}

void RepeatBatch::add(float x1, float y1, float x2, float y2) {
    addRectangle(vertices, x1, y1, x2, y2, currentTint);
}

void RepeatBatch::fill() {
    fillTriangles(vertices, bitmap);
}

}  // namespace Draw
