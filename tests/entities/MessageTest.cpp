#include "entities/Message.h"
#include "entities/PopUp.h"
#include "entities/Stage.h"

namespace {

using MessageTest = StageTest;

// A sign at (100, 480): its box is 95..125 across and 480..500 down.
TEST_F(MessageTest, ASignsPanelShowsWhileTheAvatarsCentreIsInItsBox) {
    struct Case {
        const char* name;
        double x, y;
        bool shown;
    };
    const Case cases[] = {{"on the left and top edges", 95, 480, true},
                          {"just inside the right and bottom edges", 124.5, 499.5, true},
                          {"on the right edge", 125, 490, false},
                          {"on the bottom edge", 110, 500, false}};
    stage({{24, "..........@"}}, "sign 5 24 \"Mind the gap\"\n");
    step();
    Message* sign = first<Message>(Tags::MESG);
    EXPECT_EQ(sign->panel->lines.at(0).label, "Mind the gap");
    for (const Case& c : cases) {
        avatar()->setPos(Vec(c.x - 10, c.y - 10));
        step();
        EXPECT_EQ(sign->panel->visible, c.shown) << c.name;
    }
    size_t drawn = world().list(Tags::RNDR).size();
    sign->setMessage("New words");
    step(2);
    EXPECT_EQ(world().list(Tags::RNDR).size(), drawn) << "the new panel replaces the old";
    EXPECT_EQ(sign->panel->lines.at(0).label, "New words");
}

// Stepped by hand, so that a change can fall between an update and the re-index after it.
TEST_F(MessageTest, ATextChangedBeforeThePanelIsFiledLeavesOnlyTheNewPanel) {
    World world;
    Message* sign = new Message("first");
    world.add(sign);
    world.reindex();
    sign->update(0.017);
    sign->setMessage("second");
    world.reindex();
    EXPECT_EQ(world.list(Tags::RNDR).size(), 1u) << "the first panel never joins";
    sign->update(0.017);
    world.reindex();
    EXPECT_EQ(world.list(Tags::RNDR), (World::List{sign, sign->panel}));
    EXPECT_EQ(sign->panel->lines.at(0).label, "second");
    sign->discard();
    world.reindex();
    world.reindex();
    EXPECT_TRUE(world.list(Tags::ENTT).empty()) << "a removed sign takes its panel with it";
}

// Fifteen pixels and eighteen a line tall from y = 5, over a white screen: fourteen lines end at 267. A
// highlighted line (its value a space) is yellow, an ordinary one white.
TEST_F(MessageTest, APanelIsDarkenedToItsLastLineAndHighlightsInYellow) {
    ALLEGRO_BITMAP* screen = target(800, 600, al_map_rgb(255, 255, 255));
    PopUp panel;
    panel.addLine("WWWWWWWW", " ");
    for (int i = 1; i < 14; ++i)
        panel.addLine("WWWWWWWW", "");
    panel.visible = true;
    panel.render();
    auto found = [&](int y, bool blue) {
        for (int x = 12; x < 80; ++x)
            if (ALLEGRO_COLOR c = al_get_pixel(screen, x, y); c.r > 0.8f && c.g > 0.8f && (c.b > 0.8f) == blue)
                return true;
        return false;
    };
    EXPECT_TRUE(found(18, false) && !found(18, true)) << "the first line yellow";
    EXPECT_TRUE(found(36, true) && !found(36, false)) << "the second white";
    EXPECT_LT(al_get_pixel(screen, 400, 265).r, 0.5f) << "inside the darkened panel";
    expectPixel(screen, 400, 270, 255, 255, 255);
}

} // namespace
