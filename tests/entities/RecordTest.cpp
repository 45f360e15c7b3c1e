#include "entities/Message.h"
#include "entities/PopUp.h"
#include "io/Kinds.h"
#include "support/AllegroFixture.h"

#include <cstdio>
#include <memory>
#include <string>
#include <tuple>

namespace {

using Bytes = std::vector<int>;
using RecordTest = AllegroTest;

Bytes saved(Entity& entity) {
    std::FILE* file = std::tmpfile();
    entity.save(file);
    std::rewind(file);
    Bytes bytes;
    for (int c; (c = std::fgetc(file)) != EOF;)
        bytes.push_back(c);
    std::fclose(file);
    return bytes;
}

// A fresh entity of the record's kind, read from the bytes after the code as the level reader reads it.
std::unique_ptr<Entity> loaded(const Bytes& bytes) {
    std::unique_ptr<Entity> entity(Kinds::byCode({char(bytes[0]), char(bytes[1])})->prototype());
    std::string payload(bytes.begin() + 2, bytes.end());
    std::FILE* file = fmemopen(payload.data(), payload.size(), "r");
    entity->load(file);
    std::fclose(file);
    return entity;
}

// Any non-zero setting byte reads as on, one missing at the end of a file as off. A record with
// each setting 0 or 1 is saved back as it was read.
TEST_F(RecordTest, EachKindReadsItsCellAndSettingsAndSavesThemBack) {
    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += c == '$' ? "" : std::string(1, char(c));
    Bytes sign = {'m', 's', 5, 24};
    for (unsigned char c : everyByte + '$')
        sign.push_back(c);
    const std::tuple<Bytes, const char*, bool> cases[] = {{{'v', 'r', 1, 2, 7, 1}, "lever(7,on)", true},
                                                          {{'v', 'r', 3, 4, 9, 0x80}, "lever(9,on)", false},
                                                          {{'v', 'r', 3, 4, 9}, "lever(9,off)", false},
                                                          {{'p', 'r', 0, 0, 3, 0}, "presspad(3,off)", true},
                                                          {{'p', 'r', 3, 4, 2, 7}, "presspad(2,on)", false},
                                                          {{'b', 'd', 1, 0, 1}, "baddie(feral)", true},
                                                          {{'c', 't', 45, 255, 255}, "container(255)", true},
                                                          {{'b', 'd', 0, 0, 200}, "baddie(feral)", false},
                                                          {{'f', 'f', 1, 1, 1}, "forcefield(v)", true},
                                                          {{'f', 'f', 2, 3}, "forcefield(h)", false},
                                                          {sign, "message", true}};
    for (const auto& [bytes, label, same] : cases) {
        std::unique_ptr<Entity> entity = loaded(bytes);
        EXPECT_EQ(entity->edString(), label);
        EXPECT_EQ(std::pair(entity->x(), entity->y()), std::pair(bytes[2] * 20.0, bytes[3] * 20.0)) << label;
        if (same) {
            EXPECT_EQ(saved(*entity), bytes) << label;
        }
    }
    EXPECT_EQ(static_cast<Message*>(loaded(sign).get())->panel->lines.at(0).label, everyByte);
}

}  // namespace
