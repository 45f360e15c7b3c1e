#include "entities/ForceField.h"

#include "assets/Draw.h"
#include "core/SPrintF.h"
#include "entities/Avatar.h"
#include "world/IndexTag.h"
#include "world/World.h"

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, RNDR, DYNA, POSI, 0};

Entity* prototype() {
    return new ForceField(true);
}

void addVariants(Kind::Palette& palette) {
    palette.emplace_back(new ForceField(false));
    palette.emplace_back(new ForceField(true));
}

}  // namespace

// clang-format off
const Kind Kinds::FORCE_FIELD = {"ff", "forcefield", 70, TAGS,
    Kind::FLAG, "forcefield", '-', '|', {"horizontal", "vertical"}, prototype, addVariants};
// clang-format on

ForceField::ForceField(bool isVertical) : vertical(isVertical) {}

const int* ForceField::indices() {
    return Kinds::FORCE_FIELD.tags;
}

int ForceField::order(int index) {
    return index == Tags::RNDR ? Kinds::FORCE_FIELD.layer : Entity::order(index);
}

std::string ForceField::edString() {
    return SPrintF::format("forcefield(%s)", vertical ? "v" : "h");
}

// The beam's centre and both of its ends.
void ForceField::update(double dt) {
    clock += dt;
    Avatar* avatar = world ? static_cast<Avatar*>(world->entity(Tags::AVAT)) : nullptr;
    if (!avatar)
        return;
    Rect box = avatar->bbox();
    bool hit = vertical ? box.contains(x() + 10, y() + 10) || box.contains(x() + 10, y() + 20) ||
                              box.contains(x() + 10, y())
                        : box.contains(x() + 10, y() + 10) || box.contains(x(), y() + 10) ||
                              box.contains(x() + 20, y() + 10);
    if (hit)
        avatar->die("got baked by a force field");
}

namespace {

// The beam's rows, from one rim to the other; the middle one is the deadly line.
const ALLEGRO_COLOR INK = al_map_rgb(0x1c, 0x14, 0x24);
const ALLEGRO_COLOR MAROON = al_map_rgb(0x7a, 0x1f, 0x2b);
const ALLEGRO_COLOR RED = al_map_rgb(0xd8, 0x32, 0x3c);
const ALLEGRO_COLOR YELLOW = al_map_rgb(0xff, 0xe3, 0x5c);
const ALLEGRO_COLOR WHITE = al_map_rgb(0xf6, 0xf6, 0xf2);
const ALLEGRO_COLOR SILVER = al_map_rgb(0xc0, 0xc2, 0xc9);
const ALLEGRO_COLOR SLATE = al_map_rgb(0x5d, 0x5a, 0x6b);
const ALLEGRO_COLOR BEAM_ROWS[] = {MAROON, RED, YELLOW, YELLOW, YELLOW, RED, MAROON};
const int BEAM_FROM = 7;  // across the cell; the rows end at 13, around the line at 10
const int BEAM_WIDTH = 7;

// The current's white thread wavers across the beam's middle as it runs along; its waves
// follow the screen, not the cell, so a chain of fields shows one unbroken current.
const double CURRENT_SPEED = 45;          // pixels per second
const int WAVE[] = {0, -1, -1, 0, 1, 1};  // across, for each pixel along one wave
const int WAVE_LENGTH = 6;

// Draws in the beam's own axes: along it from the cell's start, across it from its side.
struct BeamPainter {
    float x, y;
    bool vertical;
    Draw::RectangleBatch batch;

    void fill(float along1, float across1, float along2, float across2, ALLEGRO_COLOR colour) {
        if (vertical)
            batch.add(x + across1, y + along1, x + across2, y + along2, colour);
        else
            batch.add(x + along1, y + across1, x + along2, y + across2, colour);
    }

    void beam() {
        for (int row = 0; row < BEAM_WIDTH; ++row)
            fill(0, BEAM_FROM + row, 20, BEAM_FROM + row + 1, BEAM_ROWS[row]);
    }

    void current(double clock) {
        int start = static_cast<int>(vertical ? y : x);
        int travelled = static_cast<int>(clock * CURRENT_SPEED);
        for (int along = 0; along < 20; ++along) {
            int phase = ((start + along - travelled) % WAVE_LENGTH + WAVE_LENGTH) % WAVE_LENGTH;
            int across = BEAM_FROM + 3 + WAVE[phase];
            fill(along, across, along + 1, across + 1, WHITE);
        }
    }

    // A post centred on the cell's edge at `along`: neighbours in a chain share theirs.
    void emitter(float along) {
        fill(along - 2, 5, along + 2, 16, INK);
        fill(along - 1, 6, along + 1, 15, SLATE);
        fill(along - 1, 6, along, 15, SILVER);
        fill(along - 1, BEAM_FROM + 2, along + 1, BEAM_FROM + 5, YELLOW);
    }
};

}  // namespace

// A hot current between two posts, readable on a light sky by its dark rims and posts and on a
// dark one by its bright core.
void ForceField::render() {
    BeamPainter painter{static_cast<float>(x()), static_cast<float>(y()), vertical, {}};
    painter.beam();
    painter.current(clock);
    painter.emitter(0);
    painter.emitter(20);
    painter.batch.fill();
}

void ForceField::save(FILE* file) {
    Entity::save(file);
    saveByte(file, vertical ? 1 : 0);
}

void ForceField::load(FILE* file) {
    Entity::load(file);
    vertical = loadByte(file) > 0;
}
