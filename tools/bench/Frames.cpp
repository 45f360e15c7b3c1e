#include "Frames.h"

#include <allegro5/allegro_image.h>

#include <cstdio>

namespace {

void drawBackBuffer(AppStateBase& state, ALLEGRO_DISPLAY* display) {
    al_set_target_backbuffer(display);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    state.render(display);
}

} // namespace

namespace Frames {

void draw(AppStateBase& state, ALLEGRO_DISPLAY* display) {
    drawBackBuffer(state, display);
    al_flip_display();
}

void save(AppStateBase& state, ALLEGRO_DISPLAY* display, const std::string& folder, const std::string& name) {
    if (folder.empty())
        return;
    drawBackBuffer(state, display);
    std::string path = folder + "/" + name;
    if (!al_save_bitmap(path.c_str(), al_get_backbuffer(display)))
        std::fprintf(stderr, "sorrelmoor-bench: cannot write %s\n", path.c_str());
    al_flip_display();
}

} // namespace Frames
