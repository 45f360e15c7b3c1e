// Any bytes as a level file: the game's reader must neither crash nor loop, and what it
// keeps must write out as a file that reads back the same. The tools' byte reader and the
// text form must agree with it.
#include "FuzzSupport.h"

#include "io/LevelRecord.h"
#include "io/LevelText.h"
#include "io/LoadSave.h"
#include "world/World.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// Reads into a fresh world and writes it out again; the world's tiles are freed here, since
// no level grid owns them.
Bytes readAndWrite(const Bytes& input, size_t& entities) {
    FILE* in = fmemopen(const_cast<uint8_t*>(input.data()), input.size(), "rb");
    if (!in)
        in = std::tmpfile();  // fmemopen refuses an empty buffer
    World world;
    std::string unknown;
    LoadSave loadSave;
    loadSave.read(in, &world, unknown);
    std::fclose(in);
    world.reindex();
    entities = world.list(Tags::ENTT).size();

    char* buffer = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&buffer, &length);
    for (Entity* entity : world.list(Tags::ENTT))
        entity->save(out);
    std::fclose(out);
    Bytes written(buffer, buffer + length);
    std::free(buffer);
    for (Entity* tile : world.list(Tags::TILE))
        delete tile;
    return written;
}

void checkGameReader(const Bytes& input) {
    size_t entities = 0, again = 0;
    Bytes written = readAndWrite(input, entities);
    std::vector<LevelRecord> records;
    std::string error;
    require(LevelRecords::parse(written, records, error), "what the game writes, the tools read");
    require(records.size() == entities, "one record per entity");
    require(readAndWrite(written, again) == written, "a written level reads back the same");
}

void checkToolsReader(const Bytes& input) {
    std::vector<LevelRecord> records, fromText;
    std::string error;
    if (!LevelRecords::parse(input, records, error))
        return;
    require(LevelText::read(LevelText::write(records), fromText, error), "every level has a text form");
    require(fromText.size() == records.size(), "the text form keeps every record");
    Bytes canonical = LevelRecords::write(fromText);
    std::vector<LevelRecord> reparsed;
    require(LevelRecords::parse(canonical, reparsed, error), "the text form compiles to a readable level");
    require(LevelRecords::write(reparsed) == canonical, "compiled levels round-trip byte for byte");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    startLibraryOnce();
    Bytes input(data, data + size);
    checkGameReader(input);
    checkToolsReader(input);
    return 0;
}
