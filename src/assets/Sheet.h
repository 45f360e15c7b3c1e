#pragma once

#include <allegro5/allegro.h>

#include <vector>

// Frames of one size cut from an image at one-pixel magenta separators, numbered column by
// column: index = column × rows + row.
class Sheet {
public:
    explicit Sheet(const char* filename);  // fatal when the image cannot be read
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    // Each frame also as a bitmap of its own, for drawing it repeated; once, before drawing
    // starts: made between draws, they split the frame, which some renderers then blend
    // a shade differently.
    void makeOwnFrames();

    ALLEGRO_BITMAP* bitmap;                  // owned
    std::vector<ALLEGRO_BITMAP*> frames;     // owned sub-bitmaps
    std::vector<ALLEGRO_BITMAP*> ownFrames;  // owned; empty until made
    int frameWidth;
    int frameHeight;
};
