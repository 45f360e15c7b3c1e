#include "support/AllegroFixture.h"

#include "assets/Sheet.h"

namespace {

using AnimationFramesTest = AllegroTest;

bool opaque(ALLEGRO_BITMAP* frame, int x, int y) {
    return al_get_pixel(frame, x, y).a > 0.5f;
}

// Pixels that differ between two frames within rows [top, bottom).
int differences(ALLEGRO_BITMAP* a, ALLEGRO_BITMAP* b, int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < al_get_bitmap_width(a); ++x) {
            unsigned char ar, ag, ab, aa, br, bg, bb, ba;
            al_unmap_rgba(al_get_pixel(a, x, y), &ar, &ag, &ab, &aa);
            al_unmap_rgba(al_get_pixel(b, x, y), &br, &bg, &bb, &ba);
            count += (aa != ba || (aa > 0 && (ar != br || ag != bg || ab != bb))) ? 1 : 0;
        }
    return count;
}

// The avatar runs through 0-5 (2 is the standing pose) and carries in 9-14: the two halves of
// a stride must differ in the legs, not only in the arms, and carrying must not repeat a pose.
TEST_F(AnimationFramesTest, TheRunCycleAlternatesItsLegsWithAndWithoutALoad) {
    Sheet sheet("media/guysheet.png");
    const int LEGS_FROM = 15;  // below the hands
    struct Pair { int first, second; };
    for (Pair pair : {Pair{0, 3}, Pair{1, 4}, Pair{9, 12}, Pair{10, 13}})
        EXPECT_GE(differences(sheet.frames[pair.first], sheet.frames[pair.second], LEGS_FROM, 20), 6)
            << "frames " << pair.first << " and " << pair.second;
    for (int frame : {0, 1, 3, 4, 5})
        EXPECT_GE(differences(sheet.frames[frame], sheet.frames[2], LEGS_FROM, 20), 4) << "frame " << frame;
}

// Each baddie's two frames are steps: one foot off the bottom row in one, the other in the other.
TEST_F(AnimationFramesTest, EachBaddieLiftsItsFeetInTurn) {
    Sheet sheet("media/badsheet.png");
    auto footDown = [](ALLEGRO_BITMAP* frame, int from, int to) {
        for (int x = from; x < to; ++x)
            if (opaque(frame, x, 19))
                return true;
        return false;
    };
    for (int first : {0, 2}) {
        ALLEGRO_BITMAP* left = sheet.frames[first];
        ALLEGRO_BITMAP* right = sheet.frames[first + 1];
        EXPECT_FALSE(footDown(left, 0, 10)) << "frame " << first;
        EXPECT_TRUE(footDown(left, 10, 20)) << "frame " << first;
        EXPECT_TRUE(footDown(right, 0, 10)) << "frame " << first + 1;
        EXPECT_FALSE(footDown(right, 10, 20)) << "frame " << first + 1;
    }
}

} // namespace
