#include "FuzzSupport.h"

#include "assets/Draw.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_ttf.h>

#include <cstdio>
#include <cstdlib>

void startLibraryOnce() {
    static bool started = false;
    if (started)
        return;
    started = true;
    require(al_init(), "the library starts");
    al_init_image_addon();
    al_init_font_addon();
    al_init_ttf_addon();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    Draw::init();
}

void require(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}
