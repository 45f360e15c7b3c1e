#include "assets/Resources.h"
#include "support/AllegroFixture.h"
#include "support/ChildProcess.h"

#include <allegro5/allegro_audio.h>

namespace {

using ResourcesTest = AllegroTest;

// A missing sound is one silent 8-bit sample, cached, and reported once; a game without its
// pictures cannot go on.
TEST_F(ResourcesTest, AMissingSoundIsSilenceButAMissingPictureOrSheetIsFatal) {
    ChildResult sound = runInChild([] {
        al_install_audio();
        ALLEGRO_SAMPLE *first = nullptr, *second = nullptr;
        Resources::load(first, "media/no-such-sound.wav");
        Resources::load(second, "media/no-such-sound.wav");
        std::exit(first && first == second && al_get_sample_length(first) == 1 &&
                          static_cast<unsigned char*>(al_get_sample_data(first))[0] == 128
                      ? 0
                      : 3);
    });
    EXPECT_EQ(sound.exitStatus, 0);
    EXPECT_EQ(sound.output, "Unable to load sound (no SNDFILE support?): 'media/no-such-sound.wav'.\n"
                            "Falling back to no sound.\n");
    const std::pair<ChildResult, const char*> fatal[] = {
        {runInChild([] {
             ALLEGRO_BITMAP* b;
             Resources::load(b, "media/no-such.png");
         }),
         "Unable to find resource: 'media/no-such.png'.\n"},
        {runInChild([] {
             Sheet* s;
             Resources::load(s, "media/no-such-sheet.png");
         }),
         "UNABLE TO LOAD BITMAP 'media/no-such-sheet.png'!"}};
    for (const auto& [result, output] : fatal) {
        EXPECT_EQ(result.output, output);
        EXPECT_EQ(result.exitStatus, 1) << output;
    }
}

}  // namespace
