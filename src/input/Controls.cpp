#include "input/Controls.h"

#include <allegro5/allegro.h>

Controls* Controls::controls = nullptr;

Controls& Controls::get() {
    if (!controls)
        controls = new Controls();
    return *controls;
}

// Field order is construction order, and so the order in which the primaries are sampled;
// each press switch's source is made right before it.
Controls::Controls()
    : up(new Key(ALLEGRO_KEY_UP)), down(new Key(ALLEGRO_KEY_DOWN)), left(new Key(ALLEGRO_KEY_LEFT)),
      right(new Key(ALLEGRO_KEY_RIGHT)), jump(new OnPress(new Key(ALLEGRO_KEY_Z))),
      toss(new OnPress(new Key(ALLEGRO_KEY_X))), confirm(new OnPress(new Key(ALLEGRO_KEY_SPACE))),
      click(new OnPress(new MouseKey(MouseKey::LEFT))), back(new OnPress(new Key(ALLEGRO_KEY_ESCAPE))),
      retry(new OnPress(new Key(ALLEGRO_KEY_R))), pause(new OnPress(new Key(ALLEGRO_KEY_P))),
      hud(new OnPress(new Key(ALLEGRO_KEY_H))), enter(new OnPress(new Key(ALLEGRO_KEY_ENTER))) {}
