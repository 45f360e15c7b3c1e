#pragma once

#include "entities/Avatar.h"
#include "support/AllegroFixture.h"
#include "support/Scenario.h"
#include "world/Tile.h"
#include "world/World.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

const std::string FLOOR(40, '0');
const double DT = 0.017;  // the game's step

// Plays small levels headless: the given map rows (by row number) over a floor across row 25. Cases
// that need no level place entities in a bare world instead, updated by hand. The groups' presence,
// which levers, pads and tests switch, is put back after each test.
struct StageTest : AllegroTest {
    std::unique_ptr<Scenario> scenario;
    std::unique_ptr<World> bare = std::make_unique<World>();
    unsigned char present[Tile::TYPES];

    StageTest() { std::copy(Tile::sTypePresent, Tile::sTypePresent + Tile::TYPES, present); }
    void TearDown() override {
        std::copy(present, present + Tile::TYPES, Tile::sTypePresent);
        AllegroTest::TearDown();
    }

    Scenario& stage(const std::map<int, std::string>& rows, const std::string& objects = "",
                    const std::string& script = "1000", const std::string& floor = FLOOR) {
        std::vector<std::string> map(30);
        map[25] = floor;
        for (const auto& [row, text] : rows)
            map[row] = text;
        scenario.reset();
        scenario.reset(new Scenario(scratchFolder(), map, objects));
        scenario->start(script);
        return *scenario;
    }
    void step(int steps = 1) { scenario->step(steps); }
    Avatar* avatar() { return scenario->avatar(); }
    World& world() { return scenario->session().world; }
    template <typename T> T* first(int tag) { return static_cast<T*>(world().list(tag).front()); }

    template <typename T> T* place(T* entity, double x, double y) {
        entity->setPos(Vec(x, y));
        bare->add(entity);
        bare->reindex();
        return entity;
    }
    // One step of `only`, or of every updated entity in the bare world.
    void update(Entity* only = nullptr, double dt = DT) {
        for (Entity* entity : only ? World::List{only} : bare->list(Tags::DYNA))
            entity->update(dt);
        bare->reindex();
    }
    void clear() { bare = std::make_unique<World>(); }
};
