#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>

#include <string>
#include <vector>

// The one drawing layer. It keeps the current blender and its tint colour, which multiplies
// everything drawn after it is set: bitmaps, text and primitives alike.
namespace Draw {

enum Factor {
    ZERO = ALLEGRO_ZERO,
    ONE = ALLEGRO_ONE,
    ALPHA = ALLEGRO_ALPHA,
    INVERSE_ALPHA = ALLEGRO_INVERSE_ALPHA
};

// Loading without premultiplied alpha, the ordinary blender with a white tint and the world's
// tiles drawn by the tile painter; once, after the library starts.
void init();
void setBlender(int op, int source, int destination, ALLEGRO_COLOR tint);
void setOrdinaryBlender();  // add, alpha, inverse alpha; white
ALLEGRO_COLOR tint();
ALLEGRO_COLOR tinted(ALLEGRO_COLOR colour);  // a colour multiplied by the tint

void bitmap(ALLEGRO_BITMAP* bitmap, float x, float y, int flags = 0);
void tintedBitmap(ALLEGRO_BITMAP* bitmap, float x, float y, ALLEGRO_COLOR colour);  // colour times the tint
void scaledBitmap(ALLEGRO_BITMAP* bitmap, float sx, float sy, float sw, float sh, float dx, float dy,
                  float dw, float dh, int flags = 0);
void text(ALLEGRO_FONT* font, float x, float y, int flags, const std::string& text);
// Text in a colour over a black shadow one pixel down and right, readable on any sky.
void shadowedText(ALLEGRO_FONT* font, float x, float y, int flags, const std::string& text,
                  ALLEGRO_COLOR colour);
void filledRectangle(float x1, float y1, float x2, float y2, ALLEGRO_COLOR colour);
void rectangle(float x1, float y1, float x2, float y2, ALLEGRO_COLOR colour, float thickness);
void line(float x1, float y1, float x2, float y2, ALLEGRO_COLOR colour, float thickness);
void pixel(float x, float y, ALLEGRO_COLOR colour);
void filledEllipse(float cx, float cy, float rx, float ry, ALLEGRO_COLOR colour);
// Four corners, each with its own colour, filled as one fan.
void quad(const float xy[8], const ALLEGRO_COLOR colours[4]);

// Bitmaps drawn between the two calls reach the screen together, in order, as one batch per
// parent bitmap; nothing but bitmaps and text may be drawn meanwhile.
void holdBitmaps();
void releaseBitmaps();

// Filled rectangles gathered, tinted as they are added, and filled in one call.
class RectangleBatch {
public:
    void add(float x1, float y1, float x2, float y2, ALLEGRO_COLOR colour);
    void fill();  // and empties the batch

private:
    std::vector<ALLEGRO_VERTEX> vertices;
};

// Rectangles covered by repeats of one bitmap, each starting at its top-left corner, tinted
// and filled in one call. Repeats need a bitmap of its own: a sub-bitmap would repeat its parent.
class RepeatBatch {
public:
    explicit RepeatBatch(ALLEGRO_BITMAP* image) : bitmap(image) {}
    void add(float x1, float y1, float x2, float y2);
    void fill();  // and empties the batch

private:
    ALLEGRO_BITMAP* bitmap;
    std::vector<ALLEGRO_VERTEX> vertices;
};

}  // namespace Draw
