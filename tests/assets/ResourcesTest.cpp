#include "assets/Resources.h"
#include "support/AllegroFixture.h"
#include "support/ChildProcess.h"

#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>

namespace {

using ResourcesTest = AllegroTest;

TEST_F(ResourcesTest, ASecondRequestForANameGivesTheSameAssetWithoutReadingAgain) {
    std::string path = scratchFolder() + "/bag.png";
    ASSERT_TRUE(al_save_bitmap(path.c_str(), target(3, 3, al_map_rgb(0, 0, 0))));
    ALLEGRO_BITMAP *first = nullptr, *second = nullptr;
    Resources::load(first, path.c_str());
    std::remove(path.c_str());
    Resources::load(second, path.c_str());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(Resources::sResources[path]->name, path);
}

// A missing sound is one silent 8-bit sample, cached, and reported once.
TEST_F(ResourcesTest, AMissingSoundIsSilenceButAMissingPictureFontOrSheetIsFatal) {
    ChildResult sound = runInChild([] {
        al_install_audio();
        al_init_acodec_addon();
        ALLEGRO_SAMPLE *first = nullptr, *second = nullptr;
        Resources::load(first, "media/no-such-sound.wav");
        Resources::load(second, "media/no-such-sound.wav");
        bool silent = first && first == second && al_get_sample_length(first) == 1 &&
                      static_cast<unsigned char*>(al_get_sample_data(first))[0] == 128;
        std::exit(silent ? 0 : 3);
    });
    EXPECT_EQ(sound.exitStatus, 0);
    EXPECT_EQ(sound.output, "Unable to load sound (no SNDFILE support?): 'media/no-such-sound.wav'.\n"
                            "Falling back to no sound.\n");
    ChildResult font = runInChild([] { ALLEGRO_FONT* f; Resources::load(f, "media/no-such-font.ttf"); });
    ChildResult bitmap = runInChild([] { ALLEGRO_BITMAP* b; Resources::load(b, "media/no-such-image.png"); });
    ChildResult sheet = runInChild([] { Sheet* s; Resources::load(s, "media/no-such-sheet.png"); });
    EXPECT_EQ(font.output, "Unable to find resource: 'media/no-such-font.ttf'.\n");
    EXPECT_EQ(bitmap.output, "Unable to find resource: 'media/no-such-image.png'.\n");
    EXPECT_EQ(sheet.output, "UNABLE TO LOAD BITMAP 'media/no-such-sheet.png'!");
    for (const ChildResult& result : {font, bitmap, sheet})
        EXPECT_EQ(result.exitStatus, 1);
}

} // namespace
