#include "Score.h"
#include "SoundRecipe.h"
#include "TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

std::vector<float> rendered(std::istream& in) {
    return renderSound(parseSoundRecipe(in, "test.sound"));
}

// As long as its voices, from silence to silence, normalised to its peak.
TEST(SoundSources, ARecipeRendersToItsLengthAndPeakFromSilenceToSilence) {
    std::istringstream in("peak -6\nvoice wave=square freq=200>800 start=0.05 len=0.2 power=0\n");
    std::vector<float> s = rendered(in);
    ASSERT_EQ(s.size(), size_t(0.25 * 44100));
    EXPECT_EQ(*std::max_element(s.begin(), s.begin() + 2200), 0.0f) << "silent before its start";
    EXPECT_NEAR(*std::max_element(s.begin(), s.end()), std::pow(10.0, -6 / 20.0), 1e-4);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_NEAR(s.back(), 0.0f, 1e-3);
}

// A score's instruments and channels take its first seven lines.
TEST(SoundSources, MistakesInSoundsAndScoresAreRefusedWithTheirLine) {
    const std::string head = "song T\ninstrument tone len=0.5\nvoice wave=saw len=0.5 power=0\n"
                             "instrument tick len=0.05\nvoice wave=noise len=0.05\n"
                             "channel keys instrument=tone voices=2\nchannel beat hits=t:tick\n";
    const std::pair<std::string, const char*> cases[] = {
        {"voice len=0.7\n", "test.sound:1: a sound must end before 0.6 s"},
        {"# loud\npeak 0\nvoice len=0.1\n", "test.sound:2: peak must be at most -1 dBFS"},
        {"voice len=0.1\nvoice wave=buzz\n", "test.sound:2: unknown wave 'buzz'"},
        {"voice len 0.1\n", "test.sound:1: expected key=value, found 'len'"},
        {"peak -3\n", "test.sound: no voices"},
        {head + "pattern p 4\nkeys C4:3\n", "test.song:9: channel keys fills 3 of 4 rows"},
        {head + "pattern p 4\nkeys C4+E4+G4:4\n", "test.song:9: more notes than channel keys has voices"},
        {head + "pattern p 4\nbeat x...\n", "test.song:9: no drum 'x' in channel beat"},
        {head + "pattern p 4\nkeys C4:4\norder q\n", "test.song:10: no pattern 'q'"},
        {head + "volume 65\n", "test.song:8: volume is a whole number from 0 to 64"},
        {head + "pattern p 4\nkeys C4:4\n", "no order line"},
    };
    for (const auto& [text, message] : cases) {
        std::istringstream in(text);
        std::string said;
        try {
            if (text.rfind("song", 0) == 0)
                parseScore(in, "test.song");
            else
                rendered(in);
        } catch (const SourceError& error) {
            said = error.what();
        }
        EXPECT_EQ(said, message);
    }
}

}  // namespace
