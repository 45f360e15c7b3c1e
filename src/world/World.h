#pragma once

#include "world/Entity.h"

#include <map>
#include <vector>

// Every entity of one screen, filed in tagged lists. Additions and removals wait for
// reindex(), so lists may be walked while entities add or discard others.
class World {
public:
    using List = std::vector<Entity*>;

    std::map<int, List> indexMap;
    List pendingAdd;
    List pendingRemove;

    World() = default;
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    void add(Entity* entity);  // takes ownership
    void remove(Entity* entity);
    void reindex();
    Entity* entity(int tag);  // the first of the list, or null
    void render();            // every drawn entity, back to front, alike neighbours as one run
    List& list(int tag) { return indexMap[tag]; }

private:
    void removePending(std::vector<int>& touched);
    void addPending(std::vector<int>& touched);
};

// Deletes every occurrence of `value`, keeping the order of the rest.
template <typename T> void remove_element(std::vector<T>& list, const T& value) {
    std::vector<T> kept;
    for (const T& item : list)
        if (item != value)
            kept.push_back(item);
    list.swap(kept);
}
