#include "entities/Spikes.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "entities/Avatar.h"
#include "world/IndexTag.h"
#include "world/World.h"

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, RNDR, DYNA, POSI, 0};

Entity* prototype() {
    return new Spikes();
}

}  // namespace

// clang-format off
const Kind Kinds::SPIKES = {"sp", "spikes", 60, TAGS,
    Kind::NONE, "spikes", '^', 0, {}, prototype, nullptr};
// clang-format on

namespace {

const int FRAME = 5;

}  // namespace

Spikes::Spikes() {
    Resources::load(sheet, "media/tilesheet.png");
}

const int* Spikes::indices() {
    return Kinds::SPIKES.tags;
}

int Spikes::order(int index) {
    return index == Tags::RNDR ? Kinds::SPIKES.layer : Entity::order(index);
}

// The left edge, the middle and the right edge of the kill line.
void Spikes::update(double) {
    Avatar* avatar = world ? static_cast<Avatar*>(world->entity(Tags::AVAT)) : nullptr;
    if (!avatar)
        return;
    Rect box = avatar->bbox();
    double line = y() + 18;
    if (box.contains(x(), line) || box.contains(x() + 10, line) || box.contains(x() + 20, line))
        avatar->die("ate some spiky death");
}

void Spikes::render() {
    if (FRAME < static_cast<int>(sheet->frames.size()))
        Draw::bitmap(sheet->frames[FRAME], x(), y());
}
