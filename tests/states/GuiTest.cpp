#include "assets/Sheet.h"
#include "progress/Config.h"
#include "states/GuiButton.h"
#include "states/LevelButton.h"
#include "support/StateDriver.h"

namespace {

// Buttons read the mouse of the running state, so a bare state stands in for the menu.
struct GuiTest : StateTest {
    AppState<int> screen;
    ALLEGRO_BITMAP* canvas = nullptr;
    void drawAfterMouseAt(GuiButton& button, int x, int y, bool down = false) {
        mouse(screen, x, y, down);
        button.update(0.017);
        canvas = target(800, 600, al_map_rgb(0, 0, 0));
        button.render();
    }
};

// Each step shows the button disabled, plain or hovered, with a * when it was clicked; the box is
// drawn at a quarter of its strength disabled, three quarters plain and in full hovered.
TEST_F(GuiTest, AButtonHoldsTheMouseOnItsLeftAndTopEdgesButNotItsRightOrBottomAndClicksOncePerPress) {
    GuiButton button(Rect(100, 100, 200, 150), "Go", true);
    struct {
        int x, y, down, enabled;
        const char* shown;
    } steps[] = {{100, 100, 0, 1, "H"}, {199, 149, 0, 1, "H"}, {200, 120, 0, 1, "N"},  {150, 150, 0, 1, "N"},
                 {99, 120, 0, 1, "N"},  {150, 99, 0, 1, "N"},  {120, 120, 1, 1, "H*"}, {120, 120, 1, 1, "H"},
                 {300, 120, 0, 1, "N"}, {300, 120, 1, 1, "N"}, {120, 120, 0, 0, "D"},  {120, 120, 1, 0, "D"}};
    for (const auto& step : steps) {
        button.enabled = step.enabled;
        drawAfterMouseAt(button, step.x, step.y, step.down);
        EXPECT_EQ(std::string(1, "DNH"[button.state]) + (button.takeClick() ? "*" : ""), step.shown)
            << step.x << "," << step.y << ", " << step.down;
        int fill = button.state == GuiButton::HOVERED ? 255 : button.state == GuiButton::NORMAL ? 192 : 64;
        expectPixel(canvas, 150, 140, 48 * fill / 255, 48 * fill / 255, 64 * fill / 255);
    }
}

// Over the button: a tick for a completed level, else its best crown, the golden one over the silver.
// The sheet's frames are the tick, the golden crown and the silver one.
TEST_F(GuiTest, ALevelButtonShowsTheTickOfACompletedLevelOrItsBestCrown) {
    LevelButton button(Rect(55, 330, 85, 360), 2);
    LevelInfo& record = Config::get().levels[2];
    auto shown = [&](int frame) {  // its letter if every opaque pixel of it is there
        ALLEGRO_BITMAP* crown = button.crownSheet->frames[frame];
        int differing = 0;
        for (int y = 0; y < al_get_bitmap_height(crown); ++y)
            for (int x = 0; x < al_get_bitmap_width(crown); ++x) {
                ALLEGRO_COLOR c = al_get_pixel(crown, x, y), there = al_get_pixel(canvas, 61 + x, 314 + y);
                differing += c.a == 1 && (c.r != there.r || c.g != there.g || c.b != there.b);
            }
        return differing == 0 ? "tgs"[frame] : '-';
    };
    for (auto [completed, golden, silver, frames] :
         {std::tuple(0, 0, 0, "---"), {1, 0, 0, "t--"}, {1, 0, 1, "--s"}, {1, 1, 1, "-g-"}}) {
        record.completed = completed;
        record.goldenCrown = golden;
        record.silverCrown = silver;
        drawAfterMouseAt(button, 500, 500);
        EXPECT_EQ(std::string({shown(0), shown(1), shown(2)}), frames);
    }
}

}  // namespace
