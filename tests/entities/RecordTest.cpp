#include "entities/Baddie.h"
#include "entities/Container.h"
#include "entities/ForceField.h"
#include "entities/Lever.h"
#include "entities/Message.h"
#include "entities/PopUp.h"
#include "entities/PressPad.h"
#include "io/Kinds.h"
#include "support/AllegroFixture.h"

#include <cstdio>
#include <memory>

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
    std::FILE* file = std::tmpfile();
    for (size_t i = 2; i < bytes.size(); ++i)
        std::fputc(bytes[i], file);
    std::rewind(file);
    entity->load(file);
    std::fclose(file);
    return entity;
}

// Cells are positions truncated toward zero, then divided; a place past the field is the editor's business.
TEST_F(RecordTest, EachKindSavesItsCellAndSettingsAndReadsThemBack) {
    std::string everyByte(1, '\0');
    for (int c = 1; c < 256; ++c)
        everyByte += c == '$' ? "" : std::string(1, char(c));
    Bytes sign = {'m', 's', 5, 24};
    for (char c : everyByte)
        sign.push_back(static_cast<unsigned char>(c));
    sign.push_back('$');
    struct Case {
        const char* name;
        Entity* entity;
        Vec at;
        Bytes bytes;
        std::string label;
    };
    const Case cases[] = {
        {"a lever switched on", new Lever(7, true), {39.9, 45}, {'v', 'r', 1, 2, 7, 1}, "lever(7,on)"},
        {"a pad stored off, left of the field", new PressPad(3, false), {-5, -19.5}, {'p', 'r', 0, 0, 3, 0},
         "presspad(3,off)"},
        {"a container, its count a byte", new Container(Vec(0, 0), 300), {900, 5100}, {'c', 't', 45, 255, 44},
         "container(44)"},
        {"a feral baddie", new Baddie(true), {39, 0}, {'b', 'd', 1, 0, 1}, "baddie(feral)"},
        {"a vertical beam", new ForceField(true), {20, 20}, {'f', 'f', 1, 1, 1}, "forcefield(v)"},
        {"a sign holding every byte but its terminator", new Message(everyByte), {100, 480}, sign, "message"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Entity> entity(c.entity);
        entity->setPos(c.at);
        EXPECT_EQ(saved(*entity), c.bytes) << c.name;
        std::unique_ptr<Entity> back = loaded(c.bytes);
        EXPECT_EQ(saved(*back), c.bytes) << c.name;
        EXPECT_EQ(back->edString(), c.label) << c.name;
        EXPECT_EQ(std::make_pair(back->x(), back->y()), std::make_pair(c.bytes[2] * 20.0, c.bytes[3] * 20.0));
    }
    EXPECT_EQ(loaded(sign)->order(Tags::ENTT), 600 * 100 + 480) << "signs sort by column, then row";
    EXPECT_EQ(static_cast<Message*>(loaded(sign).get())->panel->lines.at(0).label, everyByte);
    // Any non-zero setting byte is on; one missing at the end of a file reads as off.
    EXPECT_EQ(loaded({'v', 'r', 3, 4, 9, 0x80})->edString(), "lever(9,on)");
    EXPECT_EQ(loaded({'v', 'r', 3, 4, 9})->edString(), "lever(9,off)");
    EXPECT_EQ(loaded({'p', 'r', 3, 4, 2, 7})->edString(), "presspad(2,on)");
    EXPECT_EQ(loaded({'p', 'r', 3, 4, 2})->edString(), "presspad(2,off)");
    EXPECT_EQ(loaded({'b', 'd', 0, 0, 200})->edString(), "baddie(feral)");
    EXPECT_EQ(loaded({'f', 'f', 0, 0})->edString(), "forcefield(h)");
}

} // namespace
