#pragma once

#include "states/AppState.h"
#include "states/LevelSession.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

class Controls;
class PopUp;

// One attempt at a level on screen: the session stepped every frame unless paused, the heads-up
// line, the death or completion summary, the completion zoom towards the avatar, and the
// player's choice as the result.
class PlayState : public AppState<int> {
public:
    enum Choice { MENU = 0, RETRY = 1, NEXT = 2 };
    static const int TITLE_OR_TEST = -1;
    static const int VICTORY = -2;

    int levelNumber;  // record index of a numbered level, else TITLE_OR_TEST or VICTORY
    LevelSession session;
    double zoom = 1.0;
    PopUp* popUp = nullptr;   // owned; the summary once the attempt is decided
    bool editorTest = false;  // the editor's test play, to which every choice returns
    bool paused = false;
    static bool sHeadsUpShown;  // the player's H choice, kept from level to level

    PlayState(int level, const char* file);
    ~PlayState() override;

    void update(double dt) override;
    void render(ALLEGRO_DISPLAY* display) override;
    bool quitRequested() override;
    void handleEvent(ALLEGRO_EVENT* event) override;  // a window that loses the focus pauses

    // The part of the screen the zoom magnifies: towards the avatar and kept on the screen.
    static Rect zoomWindow(double zoom, Vec avatar);

private:
    void startVictory();
    void takeToggles(Controls& controls);
    void leaveOnRequest(Controls& controls);
    void followAvatar(Controls& controls);
    void complete();
    void showDeath(const std::string& reason);
    void addChoices(PopUp* panel, const char* playOn);
    void show(PopUp* panel);
    void magnify();
    void drawHeadsUp();
    void finish(int choice);
    bool numbered() const { return levelNumber >= 0; }
    bool pausable() const;
    bool headsUpVisible() const { return sHeadsUpShown && numbered() && !popUp; }

    ALLEGRO_FONT* font;
    ALLEGRO_BITMAP* screenCopy = nullptr;  // one for the whole zoom, made when first needed
};
