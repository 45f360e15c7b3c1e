#include "Logo.h"

#include "Fail.h"

#include <algorithm>

namespace {

const int pixelSize = 4;  // screen pixels per letter cell
const int letterGap = 2;  // cells between letters
const int outline = 1;    // cells of dark outline around the letters
const int dropDepth = 2;  // cells the darker drop reaches below the letters

// Letter cells as a mask; letters stand on a common baseline.
Grid setWord(const SpriteSource& source, const std::string& word) {
    int width = 0, height = 0;
    for (char letter : word) {
        auto found = source.parts.find(std::string("letter-") + letter);
        if (found == source.parts.end())
            fail("logo", 0, std::string("no part letter-") + letter);
        width += found->second.width + letterGap;
        height = std::max(height, found->second.height);
    }
    Grid mask(width - letterGap + 2 * outline, height + 2 * outline + dropDepth);
    int left = outline;
    for (char letter : word) {
        const Grid& glyph = source.parts.at(std::string("letter-") + letter);
        int top = outline + height - glyph.height;
        for (int y = 0; y < glyph.height; ++y)
            for (int x = 0; x < glyph.width; ++x)
                if (glyph.at(x, y) != '.')
                    mask.rows[top + y][left + x] = 'x';
        left += glyph.width + letterGap;
    }
    return mask;
}

bool filled(const Grid& mask, int x, int y) {
    return x >= 0 && y >= 0 && x < mask.width && y < mask.height && mask.at(x, y) == 'x';
}

bool inDrop(const Grid& mask, int x, int y) {
    for (int d = 1; d <= dropDepth; ++d)
        if (filled(mask, x, y - d))
            return true;
    return false;
}

bool nearShape(const Grid& mask, int x, int y) {
    for (int dy = -outline; dy <= outline; ++dy)
        for (int dx = -outline; dx <= outline; ++dx)
            if (filled(mask, x + dx, y + dy) || inDrop(mask, x + dx, y + dy))
                return true;
    return false;
}

// Bright at the top, warming towards the baseline; the top edge of each stroke catches the light.
char fillKey(const Grid& mask, int x, int y) {
    if (!filled(mask, x, y - 1))
        return 'e';
    double depth = double(y - outline) / (mask.height - 2 * outline - dropDepth);
    if (depth < 0.45)
        return 'Y';
    if (depth < 0.75)
        return 'y';
    return 'o';
}

char cellKey(const Grid& mask, int x, int y) {
    if (filled(mask, x, y))
        return fillKey(mask, x, y);
    if (inDrop(mask, x, y))
        return 'm';
    return nearShape(mask, x, y) ? 'k' : '.';
}

}  // namespace

ALLEGRO_BITMAP* drawLogo(const SpriteSource& source, const Palette& palette, const std::string& word) {
    Grid mask = setWord(source, word);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(mask.width * pixelSize, mask.height * pixelSize);
    al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_WRITEONLY);
    al_set_target_bitmap(bitmap);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            ALLEGRO_COLOR colour = palette.colour(cellKey(mask, x, y));
            for (int py = 0; py < pixelSize; ++py)
                for (int px = 0; px < pixelSize; ++px)
                    al_put_pixel(x * pixelSize + px, y * pixelSize + py, colour);
        }
    al_unlock_bitmap(bitmap);
    return bitmap;
}
