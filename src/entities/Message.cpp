#include "entities/Message.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "assets/Sheet.h"
#include "entities/PopUp.h"
#include "world/World.h"

#include "world/IndexTag.h"
#include <algorithm>

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, RNDR, DYNA, POSI, MESG, 0};

Entity* prototype() {
    return new Message("");
}

// Signs placed in the editor say so until their text is written into the level file.
void addVariants(Kind::Palette& palette) {
    palette.emplace_back(new Message("Test message."));
}

}  // namespace

// clang-format off
const Kind Kinds::SIGN = {"ms", "message", 30, TAGS,
    Kind::TEXT, "sign", 0, 0, {}, prototype, addVariants};
// clang-format on

Message::Message(const std::string& words) {
    Resources::load(sheet, "media/tilesheet.png");
    Resources::load(font, "media/font.ttf");
    setMessage(words);
}

// A panel the world has is only queued for removal, never read: the world may be deleting
// it already, as it does everything it holds when it ends.
Message::~Message() {
    if (panelHanded)
        world->remove(panel);
    else
        delete panel;
}

// A panel not yet filed is taken back: a removal queued now would delete it before the
// filing that follows in the same re-index.
void Message::setMessage(const std::string& newText) {
    text = newText;
    if (panelHanded && waitingToBeFiled(panel)) {
        remove_element(world->pendingAdd, static_cast<Entity*>(panel));
        delete panel;
    } else if (panelHanded) {
        world->remove(panel);
    } else {
        delete panel;
    }
    panel = new PopUp();
    panelHanded = false;
    panel->addLine(text, "");
}

bool Message::waitingToBeFiled(Entity* entity) {
    World::List& waiting = world->pendingAdd;
    return std::find(waiting.begin(), waiting.end(), entity) != waiting.end();
}

const int* Message::indices() {
    return Kinds::SIGN.tags;
}

// Signs sort by position in the all-entities list, so level files list them first.
int Message::order(int index) {
    return index == Tags::RNDR ? Kinds::SIGN.layer : static_cast<int>(600 * x() + y());
}

// Without an avatar the panel stays hidden.
void Message::update(double) {
    if (!panelHanded) {
        world->add(panel);
        panelHanded = true;
    }
    Entity* avatar = world->entity(Tags::AVAT);
    panel->visible = avatar && bbox().contains(avatar->x() + 10, avatar->y() + 10);
}

void Message::render() {
    Draw::bitmap(sheet->frames[6], x(), y());
}

void Message::save(FILE* file) {
    Entity::save(file);
    for (char c : text)
        saveByte(file, static_cast<unsigned char>(c));
    saveByte(file, '$');
}

// The text ends at its '$' or at the end of the file, whichever comes first.
void Message::load(FILE* file) {
    Entity::load(file);
    std::string read;
    for (int c = loadByte(file); c != '$' && c != -1; c = loadByte(file))
        read += static_cast<char>(c);
    setMessage(read);
}
