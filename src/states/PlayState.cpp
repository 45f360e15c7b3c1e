#include "states/PlayState.h"

#include "assets/Draw.h"
#include "assets/GfxHelpers.h"
#include "assets/Resources.h"
#include "assets/Theme.h"
#include "core/SPrintF.h"
#include "entities/Avatar.h"
#include "entities/PopUp.h"
#include "input/Controls.h"
#include "music/a5play.h"
#include "progress/Config.h"
#include "states/GuiText.h"
#include "states/HeadsUp.h"
#include "states/PauseOverlay.h"
#include "world/Game.h"
#include "world/Level.h"

namespace {

const double FULL_ZOOM = 4.0;

}  // namespace

PlayState::PlayState(int level, const char* file) : levelNumber(level), session(file) {
    Resources::load(font, "media/font.ttf");
    if (level == VICTORY)
        startVictory();
    session.world.reindex();
}

PlayState::~PlayState() {
    delete popUp;
    if (screenCopy)
        al_destroy_bitmap(screenCopy);
}

// The first theme and the victory music stay after the level ends.
void PlayState::startVictory() {
    Theme::current = Theme::themes[0];
    al_stop_module();
    al_play_module("media/unreal_superhero.xm", 0, false);
    Config& config = Config::get();
    bool everyPoint = config.unlockPoints() == 3 * static_cast<int>(config.levels.size());
    World& world = session.world;
    world.add(new GuiText(Vec(400, 40), "WELL DONE!", false));
    world.add(new GuiText(Vec(400, 80), "You have completed the game!", false));
    world.add(new GuiText(Vec(400, 120),
                          everyPoint ? "And you have all the unlock points, I'm impressed!"
                                     : "Now try to earn all the unlock points on all the levels!",
                          false));
}

bool PlayState::sHeadsUpShown = true;

// While paused only P, Escape and R are heard; Escape and R act whatever the avatar is doing;
// Space only once the attempt is decided.
void PlayState::update(double dt) {
    Controls& controls = Controls::get();
    takeToggles(controls);
    if (paused) {
        leaveOnRequest(controls);
        return;
    }
    Theme::current->update(dt);
    session.step(dt);
    leaveOnRequest(controls);
    followAvatar(controls);
}

void PlayState::takeToggles(Controls& controls) {
    if (controls.hud->on() && numbered())
        sHeadsUpShown = !sHeadsUpShown;
    if (controls.pause->on() && pausable())
        paused = !paused;
}

void PlayState::leaveOnRequest(Controls& controls) {
    if (controls.back->on())
        finish(MENU);
    if (controls.retry->on())
        finish(RETRY);
}

void PlayState::followAvatar(Controls& controls) {
    Avatar* avatar = session.avatar();
    if (!avatar)
        return;
    if (avatar->status == Avatar::Status::WON) {
        if (!popUp)
            complete();
        zoom = zoom * 0.95 + 0.2;
        if (zoom > 3.99)
            zoom = FULL_ZOOM;
    }
    if (avatar->status == Avatar::Status::DEAD && !popUp)
        showDeath(avatar->reason);
    if (avatar->status != Avatar::Status::PLAYING && controls.confirm->on())
        finish(avatar->status == Avatar::Status::WON ? NEXT : RETRY);
}

// The title screen drives its background level without running it, so that level is never
// the current state; a decided attempt has nothing left to freeze.
bool PlayState::pausable() const {
    return AppStateBase::sCurrent == this && !popUp;
}

// Only numbered levels have a record and a target time; the title, test and victory levels
// show their summary without either.
void PlayState::complete() {
    Game* game = session.game;
    int total = session.garbageTotal();
    int got = static_cast<int>(game->looseGarbage);
    bool all = got == total;
    double elapsed = game->elapsedTime;
    bool silver = all && numbered() && elapsed < Config::timeAttackTime(levelNumber);
    if (numbered())
        Config::get().levelComplete(levelNumber, all, elapsed);
    PopUp* panel = new PopUp();
    panel->addLine("You have completed the level!", "");
    panel->addLine("", "");
    panel->addLine("Loose garbage collected:", SPrintF::format("%d%%", total ? got * 100 / total : 0));
    panel->addLine("Elapsed time:", SPrintF::format("%.2lfs", elapsed));
    panel->addLine("Target time:",
                   numbered() ? SPrintF::format("%.2lfs", Config::timeAttackTime(levelNumber)) : "");
    panel->addLine("Jumps performed:", SPrintF::format("%d", static_cast<int>(game->jumps)));
    panel->addLine("Double jumps:", SPrintF::format("%d", static_cast<int>(game->doubleJumps)));
    panel->addLine("Pixels traversed:", SPrintF::format("%d", static_cast<int>(game->pixelsTraversed)));
    panel->addLine("Throws:", SPrintF::format("%d", static_cast<int>(game->throws)));
    panel->addLine("", "");
    if (all)
        panel->addLine("You have gathered all the loose garbage! A golden crown for you!", " ");
    else
        panel->addLine("Try to get all the loose garbage on a level to earn a golden crown.", "");
    if (silver)
        panel->addLine("And all that under the target time, well done! Silver crown awarded!", " ");
    else
        panel->addLine("If you do this under the target time, you will get a silver crown as well.", "");
    panel->addLine("", "");
    addChoices(panel, "SPACE - next level, R - retry");
    show(panel);
}

void PlayState::showDeath(const std::string& reason) {
    PopUp* panel = new PopUp();
    panel->addLine(SPrintF::format("You %s.", reason.c_str()), "");
    panel->addLine("", "");
    panel->addLine("Total deaths so far:", SPrintF::format("%d", static_cast<int>(Config::get().deaths)));
    panel->addLine("", "");
    panel->addLine("", "");
    addChoices(panel, "SPACE, R - retry");
    show(panel);
}

// The editor does not read the result: whatever is pressed, the test ends in the editor.
void PlayState::addChoices(PopUp* panel, const char* playOn) {
    if (editorTest)
        panel->addLine("SPACE, R, ESC - back to the editor", "");
    else
        panel->addLine(playOn, "ESC - back to menu");
}

// The panel is drawn by the state after the zoom, so it stays out of the world's lists.
void PlayState::show(PopUp* panel) {
    panel->visible = true;
    popUp = panel;
}

void PlayState::handleEvent(ALLEGRO_EVENT* event) {
    if (event->type == ALLEGRO_EVENT_DISPLAY_SWITCH_OUT && pausable())
        paused = true;
    AppState<int>::handleEvent(event);
}

bool PlayState::quitRequested() {
    finish(MENU);
    return true;
}

void PlayState::finish(int choice) {
    result = choice;
    done = 1;
}

void PlayState::render(ALLEGRO_DISPLAY*) {
    Theme* theme = Theme::current;
    GfxHelpers::gradientRectangle(0, 0, 800, 600, theme->gradientUp(), theme->gradientDown());
    theme->preProcess();
    session.world.render();
    theme->postProcess();
    if (zoom > 1.0 && session.avatar())
        magnify();
    if (headsUpVisible())
        drawHeadsUp();
    if (popUp)
        popUp->render();
    if (paused)
        PauseOverlay::draw(font, PauseOverlay::keys(numbered(), editorTest));
}

void PlayState::drawHeadsUp() {
    HeadsUp::Figures figures = HeadsUp::measure(session, Config::timeAttackTime(levelNumber));
    HeadsUp::draw(HeadsUp::compose(figures), font);
}

Rect PlayState::zoomWindow(double zoom, Vec avatar) {
    double f = (zoom - 1) / 3;
    double fx = (1 - f) * 400 + f * (avatar.x + 10);
    double fy = (1 - f) * 300 + f * (avatar.y - 20);
    double halfW = 400 / zoom, halfH = 300 / zoom;
    Rect r(fx - halfW, fy - halfH, fx + halfW, fy + halfH);
    double dx = r.x1 < 0 ? -r.x1 : (r.x2 > 800 ? 800 - r.x2 : 0);
    double dy = r.y1 < 0 ? -r.y1 : (r.y2 > 600 ? 600 - r.y2 : 0);
    return Rect(r.x1 + dx, r.y1 + dy, r.x2 + dx, r.y2 + dy);
}

// The frame drawn so far is copied aside and drawn back magnified over the whole screen. Both
// copies replace what is under them: see-through sprites leave the frame's alpha below one, and
// blended, the unmagnified frame would show through the magnified one there.
void PlayState::magnify() {
    ALLEGRO_BITMAP* screen = al_get_target_bitmap();
    if (!screenCopy)
        screenCopy = al_create_bitmap(al_get_bitmap_width(screen), al_get_bitmap_height(screen));
    al_set_target_bitmap(screenCopy);
    Draw::setBlender(ALLEGRO_ADD, Draw::ONE, Draw::ZERO, al_map_rgb(255, 255, 255));
    al_draw_bitmap(screen, 0, 0, 0);
    al_set_target_bitmap(screen);
    Rect source = zoomWindow(zoom, session.avatar()->pos());
    Draw::scaledBitmap(screenCopy, source.x1, source.y1, source.x2 - source.x1, source.y2 - source.y1, 0, 0,
                       800, 600);
    Draw::setOrdinaryBlender();
}
