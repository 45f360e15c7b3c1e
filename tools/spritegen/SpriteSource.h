#pragma once

#include <map>
#include <string>
#include <vector>

// A rectangle of palette keys, one string per row.
struct Grid {
    int width = 0;
    int height = 0;
    std::vector<std::string> rows;

    Grid() = default;
    Grid(int w, int h) : width(w), height(h), rows(h, std::string(w, '.')) {}
    char at(int x, int y) const { return rows[y][x]; }
};

// One part stamped onto a composed frame; '.' in the part leaves what lies below.
struct Layer {
    std::string part;
    int x = 0;
    int y = 0;
    bool mirrored = false;
};

// A frame is either drawn as a literal grid or stacked from parts, first layer at the bottom.
struct FrameSource {
    std::string label;
    Grid grid;
    std::vector<Layer> layers;
};

// One output picture: a sheet (frames in one row, magenta lines between) or a lone image.
struct PictureSource {
    std::string name;
    bool isSheet = true;
    int frameWidth = 0;
    int frameHeight = 0;
    std::vector<FrameSource> frames;
};

// Everything read from the *.sprites files: shared parts and the pictures to write.
struct SpriteSource {
    std::map<std::string, Grid> parts;
    std::vector<PictureSource> pictures;

    // Adds the contents of one file; exits with "file:line: message" on any malformed line.
    void read(const std::string& path);
    // The frame's pixels with every layer applied.
    Grid compose(const FrameSource& frame, const PictureSource& picture) const;
};
