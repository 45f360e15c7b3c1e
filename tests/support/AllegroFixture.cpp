#include "support/AllegroFixture.h"

#include "assets/Draw.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_ttf.h>

#include <cstdlib>
#include <unistd.h>

void AllegroTest::SetUpTestSuite() {
    // No window is needed, and without an X connection the fatal paths can be run in forked
    // children whose exit handlers would otherwise close the connection the parent shares.
    unsetenv("DISPLAY");
    ASSERT_TRUE(al_init());
    al_init_font_addon();
    al_init_ttf_addon();
    al_init_image_addon();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    Draw::init();
}

void AllegroTest::SetUp() {
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP | ALLEGRO_NO_PREMULTIPLIED_ALPHA);
    Draw::setOrdinaryBlender();
}

void AllegroTest::TearDown() {
    if (drawn)
        al_destroy_bitmap(drawn);
    if (!scratch.empty())
        std::system(("rm -rf '" + scratch + "'").c_str());
}

ALLEGRO_BITMAP* AllegroTest::target(int w, int h, ALLEGRO_COLOR background) {
    if (drawn)
        al_destroy_bitmap(drawn);
    drawn = al_create_bitmap(w, h);
    al_set_target_bitmap(drawn);
    ALLEGRO_TRANSFORM identity;
    al_identity_transform(&identity);
    al_use_transform(&identity);
    al_clear_to_color(background);
    return drawn;
}

void AllegroTest::expectPixel(ALLEGRO_BITMAP* bitmap, int x, int y, int r, int g, int b, int tolerance) {
    unsigned char pr, pg, pb;
    al_unmap_rgb(al_get_pixel(bitmap, x, y), &pr, &pg, &pb);
    EXPECT_NEAR(pr, r, tolerance) << "red at " << x << "," << y;
    EXPECT_NEAR(pg, g, tolerance) << "green at " << x << "," << y;
    EXPECT_NEAR(pb, b, tolerance) << "blue at " << x << "," << y;
}

int AllegroTest::count(ALLEGRO_BITMAP* bitmap, int x1, int y1, int x2, int y2,
                       const std::function<bool(int r, int g, int b)>& test) {
    int found = 0;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x) {
            unsigned char r, g, b;
            al_unmap_rgb(al_get_pixel(bitmap, x, y), &r, &g, &b);
            found += test(r, g, b);
        }
    return found;
}

int AllegroTest::differing(ALLEGRO_BITMAP* a, ALLEGRO_BITMAP* b, int x1, int y1, int x2, int y2) {
    int found = 0;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x) {
            ALLEGRO_COLOR p = al_get_pixel(a, x, y), q = al_get_pixel(b, x, y);
            found += p.r != q.r || p.g != q.g || p.b != q.b;
        }
    return found;
}

std::string AllegroTest::scratchFolder() {
    char pattern[] = "/tmp/sorrelmoor-assets-XXXXXX";
    if (scratch.empty())
        scratch = mkdtemp(pattern);
    return scratch;
}
