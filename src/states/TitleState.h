#pragma once

#include "states/AppState.h"
#include "states/MenuFocus.h"
#include "world/World.h"

#include <allegro5/allegro.h>

#include <memory>
#include <vector>

class GuiButton;
class GuiText;
class PlayState;

// The menu over the live title level: level buttons, the theme cycle, the music switch, the
// victory level once every level is done, and Quit. The keys can choose among them as the mouse does.
class TitleState : public AppState<int> {
public:
    World world;  // the widgets
    std::unique_ptr<PlayState> background;
    ALLEGRO_BITMAP* logo;
    std::vector<GuiButton*> levelButtons;  // in the world, one per level record
    GuiButton* themeButton;
    GuiButton* quitButton;
    GuiButton* musicButton;
    GuiButton* victoryButton;  // owned until it joins the world
    int themeIndex = 0;
    bool musicOn = true;  // the entry starts the title music
    GuiText* unlockLabel;
    MenuFocus focus;

    TitleState();
    ~TitleState() override;

    void update(double dt) override;
    void render(ALLEGRO_DISPLAY* display) override;

private:
    void addWidgets();
    GuiButton* firstFocus();
    std::vector<GuiButton*> menuButtons();
    void playFrom(int level);
    void playVictory();
    void nextTheme();
    void switchMusic();
    void offerVictoryIfEarned();
    bool victoryOffered = false;
};
