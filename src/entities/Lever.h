#pragma once

#include "world/Entity.h"
#include "world/Kind.h"

#include <allegro5/allegro_audio.h>

class Sheet;

// A switch on the wall: each new touch by the avatar or a bag flips it, and it keeps its
// channel's tile group present while on and absent while off.
class Lever : public Entity {
public:
    Sheet* sheet;
    ALLEGRO_SAMPLE* switchSound;
    int channel;  // the tile type it controls
    bool on;
    // Whoever flipped it last and still touches it; only compared, never followed, because it
    // may have left the world.
    Entity* holder = nullptr;

    Lever(int channel, bool on);

    const char* code() override { return Kinds::LEVER.code; }
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    void save(FILE* file) override;
    void load(FILE* file) override;
    Entity* clone() override { return new Lever(channel, on); }
    std::string edString() override;

private:
    void touch(Entity* toucher);
    void releaseIfHolderGone();
};
