#include "assets/Sheet.h"
#include "input/SyntheticInput.h"
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

    void mouseAt(int x, int y, bool down = false) {
        SyntheticInput::clear(screen.mouse);
        screen.mouse.x = x;
        screen.mouse.y = y;
        SyntheticInput::setButton(screen.mouse, 1, down);
        frame(screen);
    }
    // Pixels in the box that differ from the black background.
    int drawnIn(ALLEGRO_BITMAP* canvas, int x1, int y1, int x2, int y2) {
        int count = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) {
                unsigned char r, g, b;
                al_unmap_rgb(al_get_pixel(canvas, x, y), &r, &g, &b);
                count += (r | g | b) != 0;
            }
        return count;
    }
    // Whether every opaque pixel of `frame` shows at (x, y) on the canvas.
    static bool shows(ALLEGRO_BITMAP* canvas, ALLEGRO_BITMAP* frame, int x, int y) {
        for (int fy = 0; fy < al_get_bitmap_height(frame); ++fy)
            for (int fx = 0; fx < al_get_bitmap_width(frame); ++fx) {
                unsigned char r, g, b, a, cr, cg, cb;
                al_unmap_rgba(al_get_pixel(frame, fx, fy), &r, &g, &b, &a);
                al_unmap_rgb(al_get_pixel(canvas, x + fx, y + fy), &cr, &cg, &cb);
                if (a == 255 && (r != cr || g != cg || b != cb))
                    return false;
            }
        return true;
    }
};

TEST_F(GuiTest, AButtonHoldsTheMouseOnItsLeftAndTopEdgesButNotItsRightOrBottom) {
    GuiButton button(Rect(100, 100, 200, 150), "Go", true);
    struct Case {
        int x, y;
        GuiButton::State state;
    } cases[] = {{100, 100, GuiButton::HOVERED}, {199, 149, GuiButton::HOVERED}, {200, 120, GuiButton::NORMAL},
                 {150, 150, GuiButton::NORMAL},  {99, 120, GuiButton::NORMAL}};
    for (const Case& c : cases) {
        mouseAt(c.x, c.y);
        button.update(0.017);
        EXPECT_EQ(button.state, c.state) << c.x << "," << c.y;
    }
    EXPECT_FALSE(button.clicked);
}

TEST_F(GuiTest, AClickIsKeptUntilTheOwnerTakesIt) {
    GuiButton button(Rect(100, 100, 200, 150), "Go", true);
    mouseAt(120, 120);
    mouseAt(120, 120, true);
    button.update(0.017);
    mouseAt(120, 120, true);  // still held: no second click
    button.update(0.017);
    EXPECT_TRUE(button.takeClick());
    EXPECT_FALSE(button.takeClick());
    mouseAt(300, 120);
    mouseAt(300, 120, true);  // pressed outside
    button.update(0.017);
    EXPECT_FALSE(button.clicked);
}

TEST_F(GuiTest, ADisabledButtonIsNeverHoveredNorClickedAndDrawsAFaintBox) {
    GuiButton button(Rect(10, 10, 110, 40), "", false);
    mouseAt(50, 20);
    mouseAt(50, 20, true);
    button.update(0.017);
    EXPECT_EQ(button.state, GuiButton::DISABLED);
    EXPECT_FALSE(button.clicked);
    ALLEGRO_BITMAP* canvas = target(200, 100, al_map_rgb(0, 0, 0));
    button.render();
    expectPixel(canvas, 60, 25, 48 * 64 / 255, 48 * 64 / 255, 64 * 64 / 255);
    button.enabled = true;
    button.update(0.017);
    button.render();  // hovered, over the faint box
    al_clear_to_color(al_map_rgb(0, 0, 0));
    button.render();
    expectPixel(canvas, 60, 25, 48, 48, 64);
}

TEST_F(GuiTest, ABlinkingLabelHidesForTwoTenthsInEverySeven) {
    GuiText text(Vec(100, 10), "Blink", true);
    ALLEGRO_BITMAP* canvas = target(200, 40, al_map_rgb(0, 0, 0));
    for (double clock : {0.0, 0.45, 0.55, 0.65, 0.75, 1.15}) {
        text.clock = clock;
        al_clear_to_color(al_map_rgb(0, 0, 0));
        text.render();
        bool hidden = clock > 0.5 && clock < 0.7;
        EXPECT_EQ(drawnIn(canvas, 0, 0, 200, 40) == 0, hidden) << clock;
    }
    text.update(0.25);
    EXPECT_EQ(text.clock, 1.4);
}

TEST_F(GuiTest, ALockedLevelButtonStaysDisabledUnderTheMouse) {
    LevelButton button(Rect(55, 330, 85, 360), 2);
    Config::get().levels[2].unlocked = false;
    EXPECT_EQ(button.label, "3");
    mouseAt(60, 340);
    button.update(0.017);
    EXPECT_EQ(button.state, GuiButton::DISABLED);
    Config::get().levels[2].unlocked = true;
    button.update(0.017);
    EXPECT_EQ(button.state, GuiButton::HOVERED);
}

TEST_F(GuiTest, CrownsShowTheRecordAndTheGoldenOneLiesOverTheSilver) {
    LevelButton button(Rect(55, 330, 85, 360), 0);
    std::vector<ALLEGRO_BITMAP*>& frames = button.crownSheet->frames;
    LevelInfo& record = Config::get().levels[0];
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    record.completed = true;
    button.render();
    EXPECT_TRUE(shows(canvas, frames[0], 61, 314));
    record.goldenCrown = record.silverCrown = true;
    al_clear_to_color(al_map_rgb(0, 0, 0));
    button.render();
    EXPECT_TRUE(shows(canvas, frames[1], 61, 314));
    EXPECT_FALSE(shows(canvas, frames[0], 61, 314));
    EXPECT_GT(drawnIn(canvas, 61, 314, 61 + 18, 314 + 14), 0);
}

TEST_F(GuiTest, DetailsShowOnlyWhileTheButtonIsHovered) {
    LevelButton button(Rect(55, 330, 85, 360), 0);
    Config::get().levels[0].completed = true;
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    mouseAt(500, 500);
    button.update(0.017);
    button.render();
    EXPECT_EQ(drawnIn(canvas, 300, 310, 500, 430), 0);
    mouseAt(60, 340);
    button.update(0.017);
    button.render();
    EXPECT_GT(drawnIn(canvas, 300, 310, 500, 330), 0);  // "Level 1"
    EXPECT_GT(drawnIn(canvas, 300, 405, 500, 430), 0);  // the target time of a completed level
}

// The ring lies in the gap round the box, so the box itself looks as a hovered one does.
TEST_F(GuiTest, AFocusedLevelButtonShowsARingAndItsDetailsWithoutTheMouse) {
    LevelButton button(Rect(55, 330, 85, 360), 0);
    MenuFocus focus;
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    for (bool focused : {false, true}) {
        focus.start(focused ? &button : nullptr);
        mouseAt(500, 500);
        button.update(0.017);
        focus.update({&button}, screen.mouse);
        al_clear_to_color(al_map_rgb(0, 0, 0));
        button.render();
        EXPECT_EQ(button.focused, focused);
        EXPECT_EQ(drawnIn(canvas, 300, 310, 500, 330) > 0, focused);  // "Level 1"
        EXPECT_EQ(drawnIn(canvas, 49, 324, 91, 328) > 0, focused);    // the ring's top side
        int fill = focused ? 255 : 192;
        expectPixel(canvas, 60, 350, 48 * fill / 255, 48 * fill / 255, 64 * fill / 255);
    }
}

} // namespace
