#include "SpriteSource.h"

#include "Fail.h"

#include <fstream>
#include <sstream>

namespace {

struct Reader {
    std::ifstream in;
    std::string path;
    int number = 0;

    bool next(std::string& line) {
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line[0] != '#')
                return true;
        }
        return false;
    }

    Grid grid(int width, int height) {
        Grid result(width, height);
        for (int y = 0; y < height; ++y) {
            std::string row;
            if (!std::getline(in, row))
                fail(path, number, "the grid ends early");
            ++number;
            if (int(row.size()) != width)
                fail(path, number,
                     "row is " + std::to_string(row.size()) + " wide, expected " + std::to_string(width));
            result.rows[y] = row;
        }
        return result;
    }
};

void readFrame(Reader& reader, std::istringstream& fields, PictureSource& picture) {
    FrameSource frame;
    fields >> frame.label;
    std::streampos start = reader.in.tellg();
    std::string line;
    int lineNumber = reader.number;
    while (std::getline(reader.in, line) && !line.empty() && line[0] == '+') {
        ++lineNumber;
        std::istringstream layerFields(line.substr(1));
        Layer layer;
        std::string mirror;
        if (!(layerFields >> layer.part >> layer.x >> layer.y))
            fail(reader.path, lineNumber, "expected '+ part x y [mirrored]'");
        layerFields >> mirror;
        layer.mirrored = mirror == "mirrored";
        frame.layers.push_back(layer);
        start = reader.in.tellg();
    }
    reader.in.clear();
    reader.in.seekg(start);
    reader.number = lineNumber;
    if (frame.layers.empty())
        frame.grid = reader.grid(picture.frameWidth, picture.frameHeight);
    picture.frames.push_back(frame);
}

}  // namespace

void SpriteSource::read(const std::string& path) {
    Reader reader{std::ifstream(path), path};
    if (!reader.in)
        fail(path, 0, "cannot open");
    std::string line;
    while (reader.next(line)) {
        std::istringstream fields(line);
        std::string word, name;
        fields >> word;
        if (word == "part") {
            int width = 0, height = 0;
            if (!(fields >> name >> width >> height) || parts.count(name))
                fail(path, reader.number, "expected 'part NEWNAME width height'");
            parts[name] = reader.grid(width, height);
        } else if (word == "sheet" || word == "image") {
            PictureSource picture;
            picture.isSheet = word == "sheet";
            if (!(fields >> picture.name >> picture.frameWidth >> picture.frameHeight))
                fail(path, reader.number, "expected '" + word + " name width height'");
            pictures.push_back(picture);
        } else if (word == "frame") {
            if (pictures.empty())
                fail(path, reader.number, "a frame must follow a sheet or image line");
            readFrame(reader, fields, pictures.back());
        } else {
            fail(path, reader.number, "unknown line '" + word + "'");
        }
    }
}

Grid SpriteSource::compose(const FrameSource& frame, const PictureSource& picture) const {
    if (frame.layers.empty())
        return frame.grid;
    Grid result(picture.frameWidth, picture.frameHeight);
    for (const Layer& layer : frame.layers) {
        auto found = parts.find(layer.part);
        if (found == parts.end())
            fail(picture.name, 0, "frame " + frame.label + " uses unknown part " + layer.part);
        const Grid& part = found->second;
        for (int y = 0; y < part.height; ++y)
            for (int x = 0; x < part.width; ++x) {
                char key = part.at(layer.mirrored ? part.width - 1 - x : x, y);
                int tx = layer.x + x, ty = layer.y + y;
                if (key != '.' && tx >= 0 && ty >= 0 && tx < result.width && ty < result.height)
                    result.rows[ty][tx] = key;
            }
    }
    return result;
}
