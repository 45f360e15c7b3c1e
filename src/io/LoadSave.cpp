#include "io/LoadSave.h"

#include "io/Kinds.h"
#include "world/World.h"

#include <cstdlib>

namespace {

[[noreturn]] void fatal(const char* format, const char* text) {
    std::printf(format, text);
    std::fflush(stdout);
    std::exit(1);
}

}  // namespace

LoadSave::LoadSave() {
    for (const Kind* const* kind = Kinds::all(); *kind; ++kind)
        registry[(*kind)->code] = (*kind)->prototype();
}

LoadSave::~LoadSave() {
    for (auto& entry : registry)
        delete entry.second;
}

void LoadSave::load(const char* path, World* world) {
    FILE* file = std::fopen(path, "rb");
    if (!file)
        fatal("CANNOT OPEN '%s'!!!\n", path);
    std::string unknown;
    Outcome outcome = read(file, world, unknown);
    std::fclose(file);
    if (outcome == UNKNOWN_CODE)
        fatal("UNMAPPABLE '%s'!!!\n", unknown.c_str());
}

LoadSave::Outcome LoadSave::read(FILE* file, World* world, std::string& unknown) {
    for (;;) {
        int first = std::fgetc(file);
        int second = first == EOF ? EOF : std::fgetc(file);
        // A 0xFF byte ends the records too: it stands for end of file where the code is read.
        if (first == EOF || second == EOF || first == 0xFF || second == 0xFF)
            return COMPLETE;
        unknown = {static_cast<char>(first), static_cast<char>(second)};
        auto prototype = registry.find(unknown);
        if (prototype == registry.end())
            return UNKNOWN_CODE;
        Entity* entity = prototype->second->clone();
        entity->load(file);
        if (std::feof(file)) {
            delete entity;
            return COMPLETE;
        }
        world->add(entity);
    }
}

void LoadSave::save(const char* path, World* world) {
    FILE* file = std::fopen(path, "wb");
    if (!file)
        fatal("CANNOT OPEN '%s'!!!\n", path);
    for (Entity* entity : world->list(Tags::ENTT))
        entity->save(file);
    std::fclose(file);
}
