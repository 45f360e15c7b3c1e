#include "entities/Avatar.h"
#include "entities/Spikes.h"
#include "support/AllegroFixture.h"
#include "support/Scenario.h"

namespace {

const std::string FLOOR(40, '0');

struct SpikesTest : AllegroTest {
    std::unique_ptr<Scenario> scenario;

    Avatar* play(const std::vector<std::string>& rows, const std::string& script, int steps) {
        scenario.reset(new Scenario(scratchFolder(), rows));
        scenario->start(script);
        scenario->step(steps);
        return scenario->avatar();
    }
    static std::vector<std::string> rowsWith(const std::string& row23, const std::string& row24) {
        std::vector<std::string> rows(30);
        rows[23] = row23;
        rows[24] = row24;
        rows[25] = FLOOR;
        return rows;
    }
};

TEST_F(SpikesTest, WalkingIntoSpikesIsDeathWithItsOwnReason) {
    Avatar* avatar = play(rowsWith("", "..........@.^"), "60 right", 60);
    EXPECT_EQ(avatar->status, Avatar::Status::DEAD);
    EXPECT_EQ(avatar->reason, "ate some spiky death");
    EXPECT_LT(avatar->x(), 240);  // stopped at the cell's left edge, not walked through
}

TEST_F(SpikesTest, SpikesOneCellUpLeaveAStandingAvatarAlone) {
    // Their kill line is at y = 478, above the avatar's box (482 .. 500).
    Avatar* avatar = play(rowsWith("..........^", "..........@"), "60", 60);
    EXPECT_EQ(avatar->status, Avatar::Status::PLAYING);
}

TEST_F(SpikesTest, KillLineRunsTwoPixelsAboveTheCellBottomAcrossItsWidth) {
    // Spikes at (100, 100): the line is y = 118 from x = 100 to x = 120. The avatar's box is
    // (x + 1, y + 2) .. (x + 19, y + 20), half-open.
    struct Case {
        double x, y;
        bool dies;
    } cases[] = {
        {110, 116, true},     // box top on the line
        {110, 116.5, false},  // box top just below it
        {110, 98, false},     // box bottom on the line
        {110, 98.5, true},
        {81.5, 110, true},    // right side just past the left end
        {81, 110, false},     // right side on the left end
        {119, 110, true},     // left side on the right end
        {119.5, 110, false},
    };
    World world;
    Avatar* avatar = new Avatar();
    world.add(avatar);
    Spikes* spikes = new Spikes();
    spikes->setPos(Vec(100, 100));
    world.add(spikes);
    world.reindex();
    for (const Case& c : cases) {
        avatar->status = Avatar::Status::PLAYING;
        avatar->setPos(Vec(c.x, c.y));
        spikes->update(0.017);
        EXPECT_EQ(avatar->status == Avatar::Status::DEAD, c.dies) << c.x << ", " << c.y;
    }
}

} // namespace
