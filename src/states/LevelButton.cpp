#include "states/LevelButton.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "core/SPrintF.h"
#include "progress/Config.h"

namespace {

// Shadowed, so that the details read over the light skies.
void detail(ALLEGRO_FONT* font, float y, const std::string& text, bool yellow = false) {
    ALLEGRO_COLOR colour = yellow ? al_map_rgb(255, 255, 0) : al_map_rgb(255, 255, 255);
    Draw::shadowedText(font, 400, y, ALLEGRO_ALIGN_CENTRE, text, colour);
}

}  // namespace

LevelButton::LevelButton(Rect area, int index) : GuiButton(area, "", false), level(index) {
    label = SPrintF::format("%d", level + 1);
    Resources::load(crownSheet, "media/completesheet.png");
}

LevelInfo* LevelButton::record() {
    std::vector<LevelInfo>& levels = Config::get().levels;
    return level >= 0 && level < static_cast<int>(levels.size()) ? &levels[level] : nullptr;
}

void LevelButton::update(double dt) {
    LevelInfo* info = record();
    enabled = info && info->unlocked;
    GuiButton::update(dt);
}

void LevelButton::render() {
    GuiButton::render();
    LevelInfo* info = record();
    if (!info)
        return;
    drawCrowns(*info);
    if (state == HOVERED)
        drawDetails(*info);
}

// Both crowns share one place, the golden one drawn over the silver.
void LevelButton::drawCrowns(const LevelInfo& info) {
    float left = (rectangle.x1 + rectangle.x2) / 2 - 9;
    float top = rectangle.y1 - 16;
    if (info.silverCrown)
        Draw::bitmap(crownSheet->frames[2], left, top);
    if (info.goldenCrown)
        Draw::bitmap(crownSheet->frames[1], left, top);
    if (!info.silverCrown && !info.goldenCrown && info.completed)
        Draw::bitmap(crownSheet->frames[0], left, top);
}

void LevelButton::drawDetails(const LevelInfo& info) {
    detail(font, 315, SPrintF::format("Level %d", level + 1));
    if (!info.completed) {
        detail(font, 350, "Not completed");
        return;
    }
    detail(font, 350, "Completed", true);
    detail(font, 370, info.goldenCrown ? "100% completion achieved" : "100% completion not achieved",
           info.goldenCrown);
    if (info.bestTime >= LevelInfo::NO_TIME)
        detail(font, 390, "Best time: ---");
    else
        detail(font, 390, SPrintF::format("Best time: %.2fs", info.bestTime), info.silverCrown);
    detail(font, 410, SPrintF::format("Target time: %.2fs", Config::timeAttackTime(level)));
}
