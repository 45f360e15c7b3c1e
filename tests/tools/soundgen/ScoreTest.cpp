#include "Score.h"
#include "TextLines.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const char* HEAD = "song T\nspeed 6\nbpm 100\n"
                   "instrument tone len=0.5 loop=0.25 envelope=0:64,10:40 sustain=1\n"
                   "voice wave=saw ratio=1 len=0.5 attack=0.01 power=0\n"
                   "instrument tick len=0.05\nvoice wave=noise len=0.05\n"
                   "channel keys instrument=tone voices=2 volume=30\n"
                   "channel beat hits=t:tick volume=20\n";

xm::Module parse(const std::string& body) {
    std::istringstream in(std::string(HEAD) + body);
    return parseScore(in, "test.song");
}

// A chord spreads over the channel's voices and a voice it leaves out is released; drum letters fill
// rows, capitals accented.
TEST(ScoreTest, ChordsSpreadOverVoicesAndDrumLettersFillRows) {
    xm::Module m = parse("pattern p 4\nkeys C4+E4:2 G4@50 ^\nbeat t.T.\norder p\n");
    ASSERT_EQ(m.channels, 3);
    const xm::Pattern& p = m.patterns.at(0);
    const struct {
        int row, channel, note, instrument, volume;
    } cells[] = {{0, 0, 49, 1, 0x10 + 30}, {0, 1, 53, 1, 0x10 + 30}, {1, 0, 0, 0, 0},         {2, 0, 56, 1, 0x10 + 50},
                 {2, 1, xm::kKeyOff, 0, 0}, {3, 0, xm::kKeyOff, 0, 0}, {0, 2, -1, 2, 0x10 + 20}, {1, 2, 0, 0, 0},
                 {2, 2, -1, 2, 0x10 + 30}};  // a drum's note is its instrument's own
    for (const auto& c : cells) {
        const xm::Cell& cell = p.at(c.row, c.channel);
        EXPECT_TRUE(c.note < 0 || cell.note == c.note) << c.row << ", " << c.channel;
        EXPECT_EQ(cell.instrument, c.instrument) << c.row << ", " << c.channel;
        EXPECT_EQ(cell.volume, c.volume) << c.row << ", " << c.channel;
    }
}

TEST(ScoreTest, MalformedScoresAreErrors) {
    for (const char* bad : {"pattern p 4\nkeys C4:3\norder p\n", "pattern p 4\nkeys C4:2*3\norder p\n",
                            "pattern p 4\nkeys C4+E4+G4:4\norder p\n", "pattern p 4\nkeys H4:4\norder p\n",
                            "pattern p 4\nbeat x...\norder p\n", "pattern p 4\nkeys C4:4\norder q\n",
                            "volume 65\npattern a 1\nkeys C4\norder a\n", "volume -1\npattern a 1\nkeys C4\norder a\n",
                            "volume 2x\npattern a 1\nkeys C4\norder a\n"})
        EXPECT_THROW(parse(bad), SourceError) << bad;
    std::istringstream unsteady("song T\ninstrument x len=0.5 loop=0.25\nvoice wave=saw freq=100>200 len=0.5 power=0\n"
                                "channel c instrument=x\npattern p 1\nc C4\norder p\n");
    EXPECT_THROW(parseScore(unsteady, "bad.song"), SourceError) << "a looped instrument must be steady";
}

} // namespace
