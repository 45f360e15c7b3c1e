#include "entities/Message.h"
#include "entities/PopUp.h"
#include "entities/Stage.h"

#include <tuple>

namespace {

using MessageTest = StageTest;

// A sign at (100, 480): its box is 95..125 across and 480..500 down.
TEST_F(MessageTest, ASignsPanelShowsWhileTheAvatarsCentreIsInItsBox) {
    const std::tuple<const char*, double, double, bool> cases[] = {
        {"on the left and top edges", 95, 480, true}, {"on the right edge", 125, 490, false},
        {"just inside the right and bottom edges", 124.5, 499.5, true},
        {"on the bottom edge", 110, 500, false}};
    Message* sign = place(new Message("Mind the gap"), 100, 480);
    Avatar* avatar = place(new Avatar(), 0, 0);
    for (const auto& [name, x, y, shown] : cases) {
        avatar->setPos(Vec(x - 10, y - 10));
        update(sign);
        EXPECT_EQ(sign->panel->visible, shown) << name;
    }
    sign->discard();
    bare->reindex();
    bare->reindex();
    EXPECT_EQ(bare->list(Tags::ENTT), World::List{avatar}) << "a removed sign takes its panel with it";
}

} // namespace
