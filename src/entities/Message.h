#pragma once

#include "world/Entity.h"
#include "world/Kind.h"

#include <allegro5/allegro_font.h>

#include <string>

class PopUp;
class Sheet;

// A sign in the level: shows its one line of text in a panel while the avatar stands at it.
class Message : public Entity {
public:
    std::string text;
    Sheet* sheet;
    ALLEGRO_FONT* font;
    PopUp* panel = nullptr;  // joins the sign's world on the sign's next update

    explicit Message(const std::string& text);
    ~Message() override;
    Message(const Message&) = delete;
    Message& operator=(const Message&) = delete;
    void setMessage(const std::string& text);

    const char* code() override { return Kinds::SIGN.code; }
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    Rect bbox() override { return {x() - 5, y(), x() + 25, y() + 20}; }
    void save(FILE* file) override;
    void load(FILE* file) override;
    Entity* clone() override { return new Message(text); }
    std::string edString() override { return Kinds::SIGN.label; }

private:
    bool panelHanded = false;  // given to the world, which owns it from then on
    bool waitingToBeFiled(Entity* entity);
};
