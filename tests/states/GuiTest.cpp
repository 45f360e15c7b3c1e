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

// The box is drawn at full strength hovered, three quarters plain and a quarter disabled.
TEST_F(GuiTest, AButtonHoldsTheMouseOnItsLeftAndTopEdgesButNotItsRightOrBottomAndClicksOncePerPress) {
    const auto HOVERED = GuiButton::HOVERED, NORMAL = GuiButton::NORMAL, DISABLED = GuiButton::DISABLED;
    GuiButton button(Rect(100, 100, 200, 150), "Go", true);
    struct {
        int x, y, down, enabled;
        GuiButton::State state;
        int clicked, fill;
    } steps[] = {{100, 100, 0, 1, HOVERED, 0, 255}, {199, 149, 0, 1, HOVERED, 0, 255},
                 {200, 120, 0, 1, NORMAL, 0, 192},  {150, 150, 0, 1, NORMAL, 0, 192},
                 {99, 120, 0, 1, NORMAL, 0, 192},   {150, 99, 0, 1, NORMAL, 0, 192},
                 {120, 120, 1, 1, HOVERED, 1, 255}, {120, 120, 1, 1, HOVERED, 0, 255},  // held: one click
                 {300, 120, 0, 1, NORMAL, 0, 192},  {300, 120, 1, 1, NORMAL, 0, 192},   // pressed outside
                 {120, 120, 0, 0, DISABLED, 0, 64}, {120, 120, 1, 0, DISABLED, 0, 64}};
    for (const auto& step : steps) {
        button.enabled = step.enabled == 1;
        drawAfterMouseAt(button, step.x, step.y, step.down);
        EXPECT_EQ(button.state, step.state) << step.x << "," << step.y;
        EXPECT_EQ(button.takeClick(), step.clicked == 1) << step.x << "," << step.y << ", " << step.down;
        expectPixel(canvas, 150, 140, 48 * step.fill / 255, 48 * step.fill / 255, 64 * step.fill / 255);
    }
}

// The crown sits over the button: green for a completed level, the golden one over the silver. The
// details show while the button is hovered.
TEST_F(GuiTest, ALevelButtonShowsItsBestCrownAlwaysAndItsDetailsOnlyWhenPointedAt) {
    LevelButton button(Rect(55, 330, 85, 360), 2);
    LevelInfo& record = Config::get().levels[2];
    auto crownShown = [&](int frame) {  // every opaque pixel of it
        ALLEGRO_BITMAP* crown = button.crownSheet->frames[frame];
        int differing = 0;
        for (int y = 0; y < al_get_bitmap_height(crown); ++y)
            for (int x = 0; x < al_get_bitmap_width(crown); ++x) {
                ALLEGRO_COLOR c = al_get_pixel(crown, x, y), shown = al_get_pixel(canvas, 61 + x, 314 + y);
                differing += c.a == 1 && (c.r != shown.r || c.g != shown.g || c.b != shown.b);
            }
        return differing == 0;
    };
    struct {
        bool completed, golden, silver;
        int x;
        const char* crown;  // the frame shown: completed, golden, silver
        bool details;
    } rows[] = {{false, false, false, 60, "", true}, {true, false, false, 500, "c", false},
                {true, false, true, 500, "s", false}, {true, true, true, 60, "g", true}};
    for (const auto& row : rows) {
        record.completed = row.completed;
        record.goldenCrown = row.golden;
        record.silverCrown = row.silver;
        drawAfterMouseAt(button, row.x, 340);
        std::string crown;
        for (int frame : {0, 1, 2})
            crown += crownShown(frame) ? std::string(1, "cgs"[frame]) : "";
        EXPECT_EQ(crown, row.crown);
        int details = count(canvas, 300, 310, 500, 330, [](int r, int g, int b) { return r + g + b > 0; });
        EXPECT_EQ(details > 0, row.details) << row.x << "," << row.crown;
    }
}

} // namespace
