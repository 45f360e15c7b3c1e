// level-gallery OUTPUT-FOLDER  |  level-gallery --one LEVEL.lv OUTPUT.png
// Draws each shipped level as its first frame shows it (levels/1.lv on, then the title and
// victory levels), after one step so that pressure pads already hold their walls, into
// OUTPUT-FOLDER/<name>.png, and all of them small on one overview picture, overview.png; or
// draws one level file. Runs in the run folder, where media/ and levels/ are.
#include "assets/Draw.h"
#include "assets/Resources.h"
#include "core/SPrintF.h"
#include "states/PlayState.h"
#include "states/ScriptedPlay.h"
#include "states/Startup.h"

#include <allegro5/allegro_font.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int COLUMNS = 4;
const int THUMB_W = 200;
const int THUMB_H = 150;
const int CAPTION = 18;

std::string nameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    return file.substr(0, file.find('.'));
}

std::vector<std::string> shippedLevels() {
    std::vector<std::string> paths;
    int numbered = Startup::countLevels();
    for (int i = 1; i <= numbered; ++i)
        paths.push_back(SPrintF::format("levels/%d.lv", i));
    for (const char* extra : {"levels/title.lv", "levels/winner.lv"})
        if (std::FILE* file = std::fopen(extra, "rb")) {
            std::fclose(file);
            paths.push_back(extra);
        }
    return paths;
}

ALLEGRO_BITMAP* drawLevel(const char* path) {
    ALLEGRO_BITMAP* picture = al_create_bitmap(800, 600);
    al_set_target_bitmap(picture);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    PlayState level(PlayState::TITLE_OR_TEST, path);
    level.update(ScriptedPlay::STEP);
    level.render(nullptr);
    return picture;
}

void addThumbnail(ALLEGRO_BITMAP* overview, ALLEGRO_BITMAP* picture, int index, const std::string& name) {
    ALLEGRO_FONT* font;
    Resources::load(font, "media/font.ttf");
    float x = static_cast<float>(index % COLUMNS * THUMB_W);
    float y = static_cast<float>(index / COLUMNS * (THUMB_H + CAPTION));
    al_set_target_bitmap(overview);
    Draw::scaledBitmap(picture, 0, 0, 800, 600, x, y + CAPTION, THUMB_W, THUMB_H);
    Draw::text(font, x + THUMB_W / 2.0f, y + 2, ALLEGRO_ALIGN_CENTRE, name);
}

bool save(ALLEGRO_BITMAP* picture, const std::string& path) {
    if (al_save_bitmap(path.c_str(), picture))
        return true;
    std::fprintf(stderr, "level-gallery: cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    bool one = argc == 4 && std::string(argv[1]) == "--one";
    if (argc != 2 && !one) {
        std::fprintf(stderr,
                     "usage: level-gallery OUTPUT-FOLDER | level-gallery --one LEVEL.lv OUTPUT.png\n");
        return 2;
    }
    Startup::startHeadless();
    if (one)
        return save(drawLevel(argv[2]), argv[3]) ? 0 : 1;
    std::string folder = argv[1];
    std::vector<std::string> levels = shippedLevels();
    int count = static_cast<int>(levels.size());
    int rows = (count + COLUMNS - 1) / COLUMNS;
    ALLEGRO_BITMAP* overview = al_create_bitmap(COLUMNS * THUMB_W, rows * (THUMB_H + CAPTION));
    al_set_target_bitmap(overview);
    al_clear_to_color(al_map_rgb(32, 32, 40));
    for (int i = 0; i < count; ++i) {
        std::string name = nameOf(levels[i]);
        ALLEGRO_BITMAP* picture = drawLevel(levels[i].c_str());
        if (!save(picture, folder + "/" + name + ".png"))
            return 1;
        addThumbnail(overview, picture, i, name);
        al_destroy_bitmap(picture);
    }
    return save(overview, folder + "/overview.png") ? 0 : 1;
}
