#include "assets/Sheet.h"
#include "progress/Config.h"
#include "states/GuiButton.h"
#include "states/GuiText.h"
#include "states/LevelButton.h"
#include "states/MenuFocus.h"
#include "support/StateDriver.h"

namespace {

// Buttons read the mouse of the running state, so a bare state stands in for the menu.
struct GuiTest : StateTest {
    AppState<int> screen;
    ALLEGRO_BITMAP* canvas = nullptr;
    void SetUp() override {
        StateTest::SetUp();
        canvas = target(800, 600, al_map_rgb(0, 0, 0));
    }
    void drawAfterMouseAt(GuiButton& button, int x, int y, bool down = false) {
        mouse(screen, x, y, down);
        button.update(0.017);
        al_clear_to_color(al_map_rgb(0, 0, 0));
        button.render();
    }
    int drawnIn(int x1, int y1, int x2, int y2) {
        return count(canvas, x1, y1, x2, y2, [](int r, int g, int b) { return r + g + b > 0; });
    }
};

TEST_F(GuiTest, AButtonHoldsTheMouseOnItsLeftAndTopEdgesButNotItsRightOrBottom) {
    GuiButton button(Rect(100, 100, 200, 150), "Go", true);
    struct {
        int x, y;
        GuiButton::State state;
    } cases[] = {{100, 100, GuiButton::HOVERED}, {199, 149, GuiButton::HOVERED}, {200, 120, GuiButton::NORMAL},
                 {150, 150, GuiButton::NORMAL},  {99, 120, GuiButton::NORMAL},   {150, 99, GuiButton::NORMAL}};
    for (const auto& c : cases) {
        drawAfterMouseAt(button, c.x, c.y);
        EXPECT_EQ(button.state, c.state) << c.x << "," << c.y;
        int fill = c.state == GuiButton::HOVERED ? 255 : 192;
        expectPixel(canvas, 150, 140, 48 * fill / 255, 48 * fill / 255, 64 * fill / 255);
    }
    EXPECT_FALSE(button.clicked);
    drawAfterMouseAt(button, 120, 120, true);
    drawAfterMouseAt(button, 120, 120, true);  // still held: no second click
    EXPECT_TRUE(button.takeClick());
    EXPECT_FALSE(button.takeClick());
    drawAfterMouseAt(button, 300, 120);
    drawAfterMouseAt(button, 300, 120, true);  // pressed outside
    EXPECT_FALSE(button.clicked);
    button.enabled = false;
    drawAfterMouseAt(button, 120, 120);
    drawAfterMouseAt(button, 120, 120, true);
    EXPECT_EQ(button.state, GuiButton::DISABLED);
    EXPECT_FALSE(button.clicked);
    expectPixel(canvas, 150, 140, 48 * 64 / 255, 48 * 64 / 255, 64 * 64 / 255);  // a faint box
}

TEST_F(GuiTest, ABlinkingLabelHidesForTwoTenthsInEverySeven) {
    GuiText text(Vec(100, 10), "Blink", true);
    for (double clock : {0.0, 0.45, 0.55, 0.65, 0.75, 1.15}) {
        text.clock = clock;
        al_clear_to_color(al_map_rgb(0, 0, 0));
        text.render();
        EXPECT_EQ(drawnIn(0, 0, 200, 40) == 0, clock > 0.5 && clock < 0.7) << clock;
    }
    text.update(0.25);
    EXPECT_EQ(text.clock, 1.4);
}

// The details show while hovered or focused; the focus ring lies in the gap round the box.
TEST_F(GuiTest, ALevelButtonShowsItsCrownsAlwaysAndItsDetailsAndRingOnlyWhenPointedAt) {
    LevelButton button(Rect(55, 330, 85, 360), 2);
    EXPECT_EQ(button.label, "3");
    LevelInfo& record = Config::get().levels[2];
    std::vector<ALLEGRO_BITMAP*>& crowns = button.crownSheet->frames;
    auto crownShown = [&](int frame) {
        ALLEGRO_BITMAP* crown = crowns[frame];
        int differing = 0;
        for (int y = 0; y < al_get_bitmap_height(crown); ++y)
            for (int x = 0; x < al_get_bitmap_width(crown); ++x) {
                ALLEGRO_COLOR c = al_get_pixel(crown, x, y), shown = al_get_pixel(canvas, 61 + x, 314 + y);
                differing += c.a == 1 && (c.r != shown.r || c.g != shown.g || c.b != shown.b);
            }
        return differing == 0;
    };
    record.unlocked = false;
    drawAfterMouseAt(button, 60, 340);
    EXPECT_EQ(button.state, GuiButton::DISABLED);
    EXPECT_EQ(drawnIn(300, 310, 500, 430) + drawnIn(55, 310, 85, 328), 0);
    record.unlocked = record.completed = true;
    drawAfterMouseAt(button, 500, 500);
    EXPECT_TRUE(crownShown(0));
    EXPECT_EQ(drawnIn(300, 310, 500, 430), 0);
    drawAfterMouseAt(button, 60, 340);
    EXPECT_GT(drawnIn(300, 310, 500, 330), 0);  // "Level 3"
    EXPECT_GT(drawnIn(300, 405, 500, 430), 0);  // the target time of a completed level
    record.goldenCrown = record.silverCrown = true;
    drawAfterMouseAt(button, 60, 340);
    EXPECT_TRUE(crownShown(1));  // the golden one, over the silver
    EXPECT_FALSE(crownShown(0));
    record.completed = record.goldenCrown = record.silverCrown = false;  // no crown over the ring
    MenuFocus focus;
    for (bool focused : {false, true}) {
        focus.start(focused ? &button : nullptr);
        mouse(screen, 500, 500);
        button.update(0.017);
        focus.update({&button}, screen.mouse);
        al_clear_to_color(al_map_rgb(0, 0, 0));
        button.render();
        EXPECT_EQ(button.focused, focused);
        EXPECT_EQ(drawnIn(300, 310, 500, 330) > 0, focused);  // "Level 3"
        EXPECT_EQ(drawnIn(49, 324, 91, 328) > 0, focused);    // the ring's top side
        int fill = focused ? 255 : 192;
        expectPixel(canvas, 60, 350, 48 * fill / 255, 48 * fill / 255, 64 * fill / 255);
    }
}

} // namespace
