#include "world/World.h"

#include <algorithm>

namespace {

struct EntityCompare {
    int tag;
    bool operator()(Entity* a, Entity* b) const { return a->order(tag) < b->order(tag); }
};

void touch(std::vector<int>& touched, int tag) {
    if (std::find(touched.begin(), touched.end(), tag) == touched.end())
        touched.push_back(tag);
}

}  // namespace

// Tiles belong to the level grid, which deletes them; everything else still filed goes here.
World::~World() {
    for (Entity* entity : pendingAdd)
        delete entity;
    for (Entity* entity : list(Tags::ENTT))
        if (std::find(list(Tags::TILE).begin(), list(Tags::TILE).end(), entity) == list(Tags::TILE).end())
            delete entity;
}

void World::add(Entity* entity) {
    pendingAdd.push_back(entity);
}

// Two discards in one frame (two feral baddies on one bag) must not delete it twice.
void World::remove(Entity* entity) {
    if (std::find(pendingRemove.begin(), pendingRemove.end(), entity) == pendingRemove.end())
        pendingRemove.push_back(entity);
}

void World::render() {
    List& drawn = list(Tags::RNDR);
    size_t first = 0;
    while (first < drawn.size()) {
        const void* key = drawn[first]->runKey();
        size_t last = first + 1;
        while (key && last < drawn.size() && drawn[last]->runKey() == key)
            ++last;
        drawn[first]->renderRun(drawn.data() + first, drawn.data() + last);
        first = last;
    }
}

void World::reindex() {
    std::vector<int> touched;
    removePending(touched);
    addPending(touched);
    std::sort(touched.begin(), touched.end());
    for (int tag : touched)
        if (tag == Tags::RNDR || tag == Tags::ENTT)
            std::stable_sort(indexMap[tag].begin(), indexMap[tag].end(), EntityCompare{tag});
}

void World::removePending(std::vector<int>& touched) {
    List removing;
    removing.swap(pendingRemove);
    for (Entity* entity : removing) {
        if (!entity)
            continue;
        for (const int* tag = entity->indices(); *tag; ++tag) {
            touch(touched, *tag);
            remove_element(indexMap[*tag], entity);
        }
        delete entity;
    }
}

void World::addPending(std::vector<int>& touched) {
    List adding;
    adding.swap(pendingAdd);
    for (Entity* entity : adding)
        for (const int* tag = entity->indices(); *tag; ++tag) {
            touch(touched, *tag);
            indexMap[*tag].push_back(entity);
            entity->world = this;
        }
}

Entity* World::entity(int tag) {
    List& entities = list(tag);
    return entities.empty() ? nullptr : entities.front();
}
