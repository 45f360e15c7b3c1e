#include "core/Die.h"

#include <allegro5/allegro.h>

#include <cstdio>
#include <cstdlib>

void die(const char* message) {
    std::printf("FATAL: %s.\n", message);
    std::printf("Allegro error: %d\n", al_get_errno());
    std::fflush(stdout);
    std::exit(1);
}
