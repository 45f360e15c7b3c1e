#pragma once

#include "world/Entity.h"
#include "world/Kind.h"

#include <allegro5/allegro_audio.h>

class Sheet;

// A pad in the floor: holds its channel at `on` while nothing stands on it and at the
// opposite while the avatar, a bag or a baddie weighs it down.
class PressPad : public Entity {
public:
    Sheet* sheet;
    ALLEGRO_SAMPLE* switchSound;
    int channel;  // the tile type it controls
    bool on;      // the channel's value while the pad is free
    bool pressed = false;
    bool wasPressed = false;

    PressPad(int channel, bool on);

    const char* code() override { return Kinds::PRESS_PAD.code; }
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    Rect bbox() override { return {x(), y() + 14, x() + 20, y() + 20}; }  // the bottom strip
    void save(FILE* file) override;
    void load(FILE* file) override;
    Entity* clone() override { return new PressPad(channel, on); }
    std::string edString() override;

private:
    bool weighedDownBy(Entity* entity);
};
