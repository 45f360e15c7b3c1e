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

    ALLEGRO_BITMAP* bitmap;               // owned
    std::vector<ALLEGRO_BITMAP*> frames;  // owned sub-bitmaps
    int frameWidth;
    int frameHeight;
};
