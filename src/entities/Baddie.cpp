#include "entities/Baddie.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "assets/Sound.h"
#include "entities/Avatar.h"
#include "entities/Particle.h"
#include "world/Game.h"
#include "world/Level.h"
#include "world/Physics.h"
#include "world/World.h"

#include "world/IndexTag.h"
#include <vector>

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, RNDR, DYNA, POSI, BADD, CARR, PRSS, 0};

Entity* prototype() {
    return new Baddie(false);
}

void addVariants(Kind::Palette& palette) {
    palette.emplace_back(new Baddie(false));
    palette.emplace_back(new Baddie(true));
}

}  // namespace

// clang-format off
const Kind Kinds::BADDIE = {"bd", "baddie", 51, TAGS,
    Kind::FLAG, "baddie", 't', 'f', {"tame", "feral"}, prototype, addVariants};
// clang-format on

Baddie::Baddie(bool isFeral) : feral(isFeral) {
    Resources::load(sheet, "media/badsheet.png");
    Resources::load(dieSound, "media/die.wav");
}

const int* Baddie::indices() {
    return Kinds::BADDIE.tags;
}

int Baddie::order(int index) {
    return index == Tags::RNDR ? Kinds::BADDIE.layer : Entity::order(index);
}

void Baddie::save(FILE* file) {
    Entity::save(file);
    saveByte(file, feral ? 1 : 0);
}

void Baddie::load(FILE* file) {
    Entity::load(file);
    feral = loadByte(file) > 0;
}

void Baddie::hitWall() {
    if (state == RESTING)
        facingRight = !facingRight;
}

void Baddie::update(double dt) {
    animate(dt);
    settle();
    if (state == RESTING)
        walk(dt);
    if (state == AIRBORNE) {
        facingRight = speed.x >= 0;
        fall(dt);
    }
    if (feral)
        attack();
    else if (state == RESTING)
        shoveBags(dt);
}

// Starts to fall forward when the floor goes, but takes this frame's step first; turns back
// when the leading foot passes the end of a ledge.
void Baddie::walk(double dt) {
    Level* level = Game::sGame->level;
    if (!level->collision(Vec(x() + 10, y() + 21))) {
        speed = Vec(facingRight ? WALK_SPEED : -WALK_SPEED, 0);
        state = AIRBORNE;
    }
    setX(x() + (facingRight ? WALK_SPEED : -WALK_SPEED) * dt);
    double probe = facingRight ? x() + 19 : x() + 1;
    if (!level->collision(Vec(probe, y() + 21)))
        facingRight = !facingRight;
}

void Baddie::shoveBags(double dt) {
    for (Entity* entity : world->list(Tags::GRBG)) {
        Carryable* bag = static_cast<Carryable*>(entity);
        bool ahead = (bag->x() > x()) == facingRight;
        if (ahead && bag->state == RESTING && bbox().overlaps(bag->bbox()))
            shove(bag, dt);
    }
}

// Pushes the bag at walking speed; a bag still in the way is moved clear ahead, unless that
// would put it into a wall, in which case it stays and the baddie turns.
void Baddie::shove(Carryable* bag, double dt) {
    bag->setX(bag->x() + (facingRight ? WALK_SPEED : -WALK_SPEED) * dt);
    if (!bbox().overlaps(bag->bbox()))
        return;
    Vec before = bag->pos();
    bag->setX(facingRight ? x() + 18 : x() - 18);
    if (Physics::collisions(bag).side != Collision::NONE) {
        bag->setPos(before);
        facingRight = !facingRight;
    }
}

void Baddie::attack() {
    Avatar* avatar = static_cast<Avatar*>(world->entity(Tags::AVAT));
    if (avatar && avatar->bbox().overlaps(bbox()))
        avatar->die("have become a snack for a feral baddie.");
    std::vector<Entity*> touched;
    for (Entity* bag : world->list(Tags::GRBG))
        if (bag->bbox().overlaps(bbox()))
            touched.push_back(bag);
    for (Entity* bag : touched)
        destroy(bag);
}

// A carried bag is dropped first, so the avatar never holds a discarded bag.
void Baddie::destroy(Entity* bag) {
    Carryable* carryable = static_cast<Carryable*>(bag);
    if (carryable->carrier)
        carryable->carrier->dropCarried();
    Sound::play(dieSound, 1.0f, 1.0f);
    Particle::puffAt(world, bag->pos());
    bag->discard();
}

void Baddie::animate(double dt) {
    double old = animationClock;
    animationClock += dt;
    int steps = static_cast<int>(animationClock * 8) - static_cast<int>(old * 8);
    frame = (frame + steps) % 2;
}

void Baddie::render() {
    Draw::bitmap(sheet->frames[(feral ? 2 : 0) + frame], x(), y());
}
