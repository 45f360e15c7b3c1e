#include "core/AtomicFile.h"
#include "entities/Avatar.h"
#include "entities/Message.h"
#include "entities/PopUp.h"
#include "io/LoadSave.h"
#include "support/AllegroFixture.h"
#include "support/Scenario.h"
#include "world/World.h"

#include <cstdio>

namespace {

using MessageTest = AllegroTest;

// A sign at (100, 480); its box is 95..125 across and 480..500 down.
struct SignScenario {
    Scenario scenario;
    SignScenario(const std::string& folder, const std::string& map)
        : scenario(folder, {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                            "", "", "", map, std::string(40, '0')},
                   "sign 5 24 \"Mind the gap\"\n") {
        scenario.start("10");
        scenario.step();
    }
    Message* sign() { return static_cast<Message*>(scenario.session().world.list(Tags::MESG).front()); }
    bool shownWithAvatarCentreAt(double cx, double cy) {
        scenario.avatar()->setPos(Vec(cx - 10, cy - 10));
        scenario.step();
        return sign()->panel->visible;
    }
};

TEST_F(MessageTest, PanelShowsWhileTheAvatarsCentreIsInTheSignBox) {
    SignScenario signs(scratchFolder(), "..........@");
    EXPECT_EQ(signs.sign()->panel->lines.at(0).label, "Mind the gap");
    EXPECT_TRUE(signs.shownWithAvatarCentreAt(95, 480)) << "left and top edges are inside";
    EXPECT_TRUE(signs.shownWithAvatarCentreAt(124.5, 499.5));
    EXPECT_FALSE(signs.shownWithAvatarCentreAt(125, 490)) << "right edge is outside";
    EXPECT_FALSE(signs.shownWithAvatarCentreAt(110, 500)) << "bottom edge is outside";
}

TEST_F(MessageTest, WithoutAnAvatarThePanelStaysHidden) {
    SignScenario signs(scratchFolder(), "");
    signs.scenario.step(3);
    ASSERT_NE(signs.sign()->panel->world, nullptr);
    EXPECT_FALSE(signs.sign()->panel->visible);
}

TEST_F(MessageTest, SetMessageReplacesThePanelInTheWorld) {
    SignScenario signs(scratchFolder(), "");
    World& world = signs.scenario.session().world;
    size_t drawn = world.list(Tags::RNDR).size();
    signs.sign()->setMessage("New words");
    signs.scenario.step(2);
    EXPECT_EQ(world.list(Tags::RNDR).size(), drawn);
    EXPECT_EQ(signs.sign()->panel->lines.at(0).label, "New words");
}

TEST_F(MessageTest, ATextCutOffByTheEndOfTheFileStopsThere) {
    std::string path = scratchFolder() + "/cut.lv";
    ASSERT_TRUE(AtomicFile::write(path, {'m', 's', 1, 1, 'a', 'b'}));
    World world;
    LoadSave().load(path.c_str(), &world);
    world.reindex();
    EXPECT_TRUE(world.list(Tags::MESG).empty()) << "the cut record is dropped";
}

TEST_F(MessageTest, PanelIsFifteenPlusEighteenPixelsPerLineTall) {
    ALLEGRO_BITMAP* screen = target(800, 600, al_map_rgb(255, 255, 255));
    PopUp panel;
    for (int i = 0; i < 14; ++i)
        panel.addLine("", "");
    panel.visible = true;
    panel.render();
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(screen, 400, 265), &r, &g, &b);
    EXPECT_LT(r, 128) << "inside the darkened panel";
    al_unmap_rgb(al_get_pixel(screen, 400, 270), &r, &g, &b);
    EXPECT_EQ(r, 255) << "below its bottom at 267";
}

TEST_F(MessageTest, AHighlightedLineIsYellowAndAnOrdinaryOneWhite) {
    ALLEGRO_BITMAP* screen = target(800, 600, al_map_rgb(0, 0, 0));
    PopUp panel;
    panel.addLine("WWWWWWWW", " ");
    panel.addLine("WWWWWWWW", "");
    panel.visible = true;
    panel.render();
    bool yellow = false, white = false;
    for (int x = 12; x < 80; ++x) {
        unsigned char r, g, b;
        al_unmap_rgb(al_get_pixel(screen, x, 18), &r, &g, &b);
        yellow |= r > 200 && g > 200 && b < 60;
        al_unmap_rgb(al_get_pixel(screen, x, 36), &r, &g, &b);
        white |= r > 200 && g > 200 && b > 200;
    }
    EXPECT_TRUE(yellow);
    EXPECT_TRUE(white);
}

// A bare world holding one sign, stepped by hand so that changes can fall between an update
// and the re-index that follows it.
struct BareSign {
    World world;
    Message* sign = new Message("first");
    BareSign() {
        world.add(sign);
        world.reindex();
    }
    void update() { sign->update(0.017); }
    size_t drawn() { return world.list(Tags::RNDR).size(); }
};

TEST_F(MessageTest, ATextChangedBeforeThePanelIsFiledLeavesOnlyTheNewPanel) {
    BareSign bare;
    bare.update();
    bare.sign->setMessage("second");
    bare.world.reindex();
    EXPECT_EQ(bare.drawn(), 1u) << "the first panel never joins";
    bare.update();
    bare.world.reindex();
    ASSERT_EQ(bare.drawn(), 2u);
    EXPECT_EQ(bare.world.list(Tags::RNDR).back(), bare.sign->panel);
    EXPECT_EQ(bare.sign->panel->lines.at(0).label, "second");
}

TEST_F(MessageTest, ARemovedSignTakesItsPanelWithIt) {
    BareSign bare;
    bare.update();
    bare.world.reindex();
    ASSERT_EQ(bare.drawn(), 2u);
    bare.sign->discard();
    bare.world.reindex();
    bare.world.reindex();
    EXPECT_TRUE(bare.world.list(Tags::ENTT).empty());
}

TEST_F(MessageTest, SavingAndLoadingKeepsEveryByteButTheTerminator) {
    std::string text;
    for (int c = 1; c < 256; ++c)
        if (c != '$')
            text += static_cast<char>(c);
    text = '\0' + text;
    Message sign(text);
    sign.setPos(Vec(100, 480));
    FILE* file = std::tmpfile();
    sign.save(file);
    EXPECT_EQ(std::ftell(file), static_cast<long>(4 + text.size() + 1));
    std::rewind(file);
    std::fgetc(file);
    std::fgetc(file);
    Message loaded("");
    loaded.load(file);
    std::fclose(file);
    EXPECT_EQ(loaded.text, text);
    EXPECT_EQ(loaded.panel->lines.at(0).label, text);
    EXPECT_EQ(loaded.order(Tags::ENTT), 600 * 100 + 480);
}

} // namespace
