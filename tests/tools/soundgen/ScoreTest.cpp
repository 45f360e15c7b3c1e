#include "Score.h"
#include "InstrumentRecipe.h"
#include "TextLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

const char* kHead = "song T\nspeed 6\nbpm 100\n"
                    "instrument tone len=0.5 loop=0.25 envelope=0:64,10:40 sustain=1\n"
                    "voice wave=saw ratio=1 len=0.5 attack=0.01 power=0\n"
                    "instrument tick len=0.05\nvoice wave=noise len=0.05\n"
                    "channel keys instrument=tone voices=2 volume=30\n"
                    "channel beat hits=t:tick volume=20\n";

xm::Module parse(const std::string& body) {
    std::istringstream in(std::string(kHead) + body);
    return parseScore(in, "test.song");
}

TEST(ScoreTest, ChordsSpreadOverVoicesAndDrumLettersFillRows) {
    xm::Module m = parse("pattern p 4\nkeys C4+E4:2 G4@50 ^\nbeat t.T.\norder p\n");
    ASSERT_EQ(m.channels, 3);
    ASSERT_EQ(m.patterns.size(), 1u);
    const xm::Pattern& p = m.patterns[0];
    EXPECT_EQ(p.at(0, 0).note, 49);
    EXPECT_EQ(p.at(0, 1).note, 53);
    EXPECT_EQ(p.at(0, 0).volume, 0x10 + 30);
    EXPECT_EQ(p.at(1, 0).note, 0) << "held";
    EXPECT_EQ(p.at(2, 0).note, 56);
    EXPECT_EQ(p.at(2, 0).volume, 0x10 + 50);
    EXPECT_EQ(p.at(2, 1).note, xm::kKeyOff) << "a voice the chord leaves out is released";
    EXPECT_EQ(p.at(3, 0).note, xm::kKeyOff);
    EXPECT_EQ(p.at(0, 2).instrument, 2);
    EXPECT_EQ(p.at(1, 2).note, 0);
    EXPECT_EQ(p.at(2, 2).volume, 0x10 + 30) << "capitals are accents";
}

TEST(ScoreTest, ALineThatDoesNotFillItsPatternIsAnError) {
    EXPECT_THROW(parse("pattern p 4\nkeys C4:3\norder p\n"), SourceError);
    EXPECT_THROW(parse("pattern p 4\nkeys C4:2*3\norder p\n"), SourceError);
    EXPECT_THROW(parse("pattern p 4\nkeys C4+E4+G4:4\norder p\n"), SourceError);
    EXPECT_THROW(parse("pattern p 4\nkeys H4:4\norder p\n"), SourceError);
    EXPECT_THROW(parse("pattern p 4\nbeat x...\norder p\n"), SourceError);
    EXPECT_THROW(parse("pattern p 4\nkeys C4:4\norder q\n"), SourceError);
}

TEST(ScoreTest, TheLastOrderJumpsBackOnItsOwnCopy) {
    xm::Module m = parse("restart 1\npattern a 2\nkeys C4:2\npattern b 2\nkeys D4:2\norder a b a\n");
    ASSERT_EQ(m.patterns.size(), 3u);
    EXPECT_EQ(m.orders, (std::vector<uint8_t>{0, 1, 2}));
    EXPECT_EQ(m.restart, 1);
    EXPECT_EQ(m.patterns[2].at(1, 0).effect, xm::kEffectPositionJump);
    EXPECT_EQ(m.patterns[2].at(1, 0).param, 1);
    EXPECT_EQ(m.patterns[0].at(1, 0).effect, 0) << "the first use of the pattern plays through";
}

// Turned down on every pattern's first row, so that playing from any order starts at that volume.
TEST(ScoreTest, TheVolumeLineSetsTheGlobalVolumeOnEveryPattern) {
    xm::Module m = parse("volume 22\nrestart 0\npattern a 1\nkeys C4\npattern b 2\nkeys D4:2\norder b a\n");
    ASSERT_EQ(m.patterns.size(), 2u);
    const xm::Cell& loop = m.patterns[0].at(0, 0);
    EXPECT_EQ(loop.effect, xm::kEffectPositionJump) << "the loop jump keeps its cell";
    const xm::Cell& beside = m.patterns[0].at(0, 1);
    EXPECT_EQ(beside.effect, xm::kEffectGlobalVolume);
    EXPECT_EQ(beside.param, 22);
    const xm::Cell& first = m.patterns[1].at(0, 0);
    EXPECT_EQ(first.effect, xm::kEffectGlobalVolume);
    EXPECT_EQ(first.param, 22);
    for (const char* bad : {"volume 65\n", "volume -1\n", "volume 2x\n", "volume 100\n"})
        EXPECT_THROW(parse(std::string(bad) + "pattern a 1\nkeys C4\norder a\n"), SourceError) << bad;
}

TEST(ScoreTest, LoopedInstrumentsLoopSeamlessly) {
    xm::Module m = parse("pattern p 1\nkeys C4\norder p\n");
    const xm::Sample& s = m.instruments[0].sample;
    ASSERT_EQ(s.loopLength, uint32_t(0.25 * 44100));
    ASSERT_EQ(s.loopStart + s.loopLength, s.data.size());
    // The sample after the loop's end is the loop's start: their step must match a step inside.
    int across = std::abs(s.data[s.loopStart] - s.data.back());
    int inside = std::abs(s.data[s.loopStart + 1] - s.data[s.loopStart]);
    EXPECT_LE(across, inside + 200);
    EXPECT_EQ(m.instruments[0].volumeEnvelope.sustain, 1);
}

TEST(ScoreTest, LoopedInstrumentsMustBeSteady) {
    std::istringstream in(
        "song T\ninstrument x len=0.5 loop=0.25\nvoice wave=saw freq=100>200 len=0.5 power=0\n"
        "channel c instrument=x\npattern p 1\nc C4\norder p\n");
    EXPECT_THROW(parseScore(in, "bad.song"), SourceError);
}

TEST(ScoreTest, TuningPlaysMiddleCAtCFour) {
    xm::Sample s;
    tuneSample(s, kMiddleC);
    double semitones = s.relativeNote + s.finetune / 128.0;
    EXPECT_NEAR(8363 * std::pow(2.0, semitones / 12), 44100, 44100 * 0.001);
    tuneSample(s, kMiddleC / 2);
    EXPECT_NEAR(s.relativeNote + s.finetune / 128.0, semitones + 12, 1 / 128.0);
}

} // namespace
