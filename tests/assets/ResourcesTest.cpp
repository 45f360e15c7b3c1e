#include "assets/Resources.h"
#include "support/AllegroFixture.h"
#include "support/ChildProcess.h"

#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>

namespace {

using ResourcesTest = AllegroTest;

TEST_F(ResourcesTest, SecondRequestForANameGivesTheSameAsset) {
    ALLEGRO_BITMAP* image = al_create_bitmap(3, 3);
    std::string path = scratchFolder() + "/bag.png";
    ASSERT_TRUE(al_save_bitmap(path.c_str(), image));
    al_destroy_bitmap(image);

    ALLEGRO_BITMAP *first = nullptr, *second = nullptr;
    Resources::load(first, path.c_str());
    std::remove(path.c_str());  // a second read would now fail: the cache must not read again
    Resources::load(second, path.c_str());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(Resources::sResources[path]->name, path);
}

TEST_F(ResourcesTest, MissingSoundBecomesSilenceAndIsReportedOnce) {
    ChildResult child = runInChild([] {
        al_install_audio();
        al_init_acodec_addon();
        ALLEGRO_SAMPLE *first = nullptr, *second = nullptr;
        Resources::load(first, "media/no-such-sound.wav");
        Resources::load(second, "media/no-such-sound.wav");
        bool silent = first && first == second && al_get_sample_length(first) == 1 &&
                      static_cast<unsigned char*>(al_get_sample_data(first))[0] == 128;
        std::exit(silent ? 0 : 3);
    });
    EXPECT_EQ(child.exitStatus, 0) << "the substitute is one silent 8-bit sample, cached";
    EXPECT_EQ(child.output, "Unable to load sound (no SNDFILE support?): 'media/no-such-sound.wav'.\n"
                            "Falling back to no sound.\n");
}

TEST_F(ResourcesTest, MissingFontOrBitmapIsFatal) {
    ChildResult font = runInChild([] {
        ALLEGRO_FONT* f;
        Resources::load(f, "media/no-such-font.ttf");
    });
    EXPECT_EQ(font.exitStatus, 1);
    EXPECT_EQ(font.output, "Unable to find resource: 'media/no-such-font.ttf'.\n");
    ChildResult bitmap = runInChild([] {
        ALLEGRO_BITMAP* b;
        Resources::load(b, "media/no-such-image.png");
    });
    EXPECT_EQ(bitmap.exitStatus, 1);
    EXPECT_EQ(bitmap.output, "Unable to find resource: 'media/no-such-image.png'.\n");
}

TEST_F(ResourcesTest, MissingSheetIsFatal) {
    ChildResult sheet = runInChild([] {
        Sheet* s;
        Resources::load(s, "media/no-such-sheet.png");
    });
    EXPECT_EQ(sheet.exitStatus, 1);
    EXPECT_EQ(sheet.output, "UNABLE TO LOAD BITMAP 'media/no-such-sheet.png'!");
}

} // namespace
