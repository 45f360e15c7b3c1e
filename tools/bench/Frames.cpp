#include "Frames.h"

#include "states/Screen.h"

#include <allegro5/allegro_image.h>

#include <cstdio>

namespace {

ALLEGRO_BITMAP* drawPicture(AppStateBase& state, ALLEGRO_DISPLAY* display) {
    ALLEGRO_BITMAP* picture = Screen::beginFrame(display);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    state.render(display);
    return picture;
}

}  // namespace

namespace Frames {

void draw(AppStateBase& state, ALLEGRO_DISPLAY* display) {
    drawPicture(state, display);
    Screen::present(display);
}

void save(AppStateBase& state, ALLEGRO_DISPLAY* display, const std::string& folder, const std::string& name) {
    if (folder.empty())
        return;
    ALLEGRO_BITMAP* picture = drawPicture(state, display);
    std::string path = folder + "/" + name;
    if (!al_save_bitmap(path.c_str(), picture))
        std::fprintf(stderr, "sorrelmoor-bench: cannot write %s\n", path.c_str());
    Screen::present(display);
}

}  // namespace Frames
