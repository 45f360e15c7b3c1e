#include "states/TitleState.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "assets/Theme.h"
#include "core/SPrintF.h"
#include "input/Controls.h"
#include "music/a5play.h"
#include "progress/Config.h"
#include "states/GuiText.h"
#include "states/LevelButton.h"
#include "states/PlayState.h"
#include "world/Tile.h"

namespace {

const int THEMES = 6;

int levelCount() {
    return static_cast<int>(Config::get().levels.size());
}

int playableCount() {
    return Config::get().playableLevels();
}

}  // namespace

TitleState::TitleState() : background(new PlayState(PlayState::TITLE_OR_TEST, "levels/title.lv")) {
    Resources::load(logo, "media/logo.png");
    addWidgets();
    world.reindex();
    focus.start(firstFocus());
}

// The victory button is the world's once offered; until then it is the title's own.
TitleState::~TitleState() {
    if (!victoryOffered)
        delete victoryButton;
}

void TitleState::addWidgets() {
    world.add(new GuiText(Vec(150, 295), "Play a level:", false));
    for (int i = 0; i < playableCount(); ++i) {
        double x = 55 + 40 * (i % 5), y = 330 + 50 * (i / 5);
        levelButtons.push_back(new LevelButton(Rect(x, y, x + 30, y + 30), i));
        world.add(levelButtons.back());
    }
    world.add(new GuiText(Vec(650, 295), "Select a theme:", false));
    world.add(themeButton = new GuiButton(Rect(550, 330, 750, 360), "Sky", true));
    world.add(new GuiText(Vec(650, 375), "Like the music?", false));
    world.add(musicButton = new GuiButton(Rect(550, 400, 750, 430), "Yes", true));
    victoryButton = new GuiButton(Rect(215, 430, 245, 460), "??", true);
    offerVictoryIfEarned();
    world.add(quitButton = new GuiButton(Rect(300, 530, 500, 560), "Quit", true));
    world.add(unlockLabel = new GuiText(Vec(400, 582), "", false));
}

// The level the player is up to: the first open one not yet completed; once all are, the victory.
GuiButton* TitleState::firstFocus() {
    for (size_t i = 0; i < levelButtons.size(); ++i) {
        const LevelInfo& record = Config::get().levels[i];
        if (record.unlocked && !record.completed)
            return levelButtons[i];
    }
    if (victoryOffered)
        return victoryButton;
    return levelButtons.empty() ? themeButton : levelButtons.front();
}

std::vector<GuiButton*> TitleState::menuButtons() {
    std::vector<GuiButton*> buttons = levelButtons;
    if (victoryOffered)
        buttons.push_back(victoryButton);
    buttons.insert(buttons.end(), {themeButton, musicButton, quitButton});
    return buttons;
}

void TitleState::offerVictoryIfEarned() {
    if (victoryOffered || Config::get().completions() != levelCount())
        return;
    world.add(victoryButton);
    victoryOffered = true;
}

// One choice per frame: a level, the victory level, the theme, the music, then leaving.
void TitleState::update(double dt) {
    background->update(dt);
    for (Entity* entity : world.list(Tags::DYNA))
        entity->update(dt);
    world.reindex();
    focus.update(menuButtons(), *mouseState());
    unlockLabel->text =
        SPrintF::format("Unlock points: %d/%d", Config::get().unlockPoints(), 3 * levelCount());
    for (size_t i = 0; i < levelButtons.size(); ++i)
        if (levelButtons[i]->takeClick()) {
            playFrom(static_cast<int>(i));
            return;
        }
    if (victoryButton->takeClick()) {
        playVictory();
        return;
    }
    if (themeButton->takeClick())
        nextTheme();
    if (musicButton->takeClick())
        switchMusic();
    bool quit = quitButton->takeClick();
    if (Controls::get().back->on() || quit) {
        result = 0;
        done = 1;
    }
}

// Retries replay the level and completions go on to the next, until the player goes back,
// the last level is done or the window closes (which ends the chain with result 0).
void TitleState::playFrom(int level) {
    for (int choice = PlayState::RETRY; choice != PlayState::MENU;) {
        if (choice == PlayState::NEXT)
            ++level;
        if (level >= playableCount())
            break;
        PlayState play(level, SPrintF::format("levels/%d.lv", level + 1).c_str());
        choice = play.run(this);
    }
    offerVictoryIfEarned();
    Tile::restoreGroups();
}

void TitleState::playVictory() {
    {
        PlayState victory(PlayState::VICTORY, "levels/winner.lv");
        victory.run(this);
    }
    Tile::restoreGroups();
}

// A locked theme is shown with what it still needs but not applied.
void TitleState::nextTheme() {
    themeIndex = (themeIndex + 1) % THEMES;
    Theme* theme = Theme::themes[themeIndex];
    int missing = theme->unlockPoints() - Config::get().unlockPoints();
    if (missing > 0) {
        themeButton->label = SPrintF::format("Locked (%d more)", missing);
        return;
    }
    Theme::current = theme;
    themeButton->label = theme->name();
}

void TitleState::switchMusic() {
    musicOn = !musicOn;
    if (musicOn)
        al_duh_set_volume(al_play_module("media/dreamland.xm", 0, true), 0.25f);
    else
        al_stop_module();
    musicButton->label = musicOn ? "Yes" : "No";
}

void TitleState::render(ALLEGRO_DISPLAY* shownOn) {
    background->render(shownOn);
    Draw::bitmap(logo, static_cast<int>(395 - al_get_bitmap_width(logo) * 0.5), 40);
    world.render();
}
