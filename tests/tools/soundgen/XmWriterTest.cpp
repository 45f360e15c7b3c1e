#include "XmWriter.h"

#include <dumb.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

uint32_t word(const std::vector<uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}
uint32_t dword(const std::vector<uint8_t>& b, std::size_t at) {
    return word(b, at) | (word(b, at + 2) << 16);
}

// Two channels, one two-row pattern, one looped sine-ish instrument.
xm::Module tinyModule() {
    xm::Module m;
    m.name = "tiny";
    m.channels = 2;
    m.speed = 5;
    m.bpm = 130;
    m.restart = 0;
    m.orders = {0, 0};
    xm::Pattern p(2, 2);
    p.at(0, 0) = {49, 1, 0x50, 0x0C, 0x20}; // every field: stored whole
    p.at(1, 1) = {xm::kKeyOff, 0, 0, 0, 0};
    m.patterns.push_back(p);
    xm::Instrument ins;
    ins.name = "square";
    for (int i = 0; i < 400; ++i)
        ins.sample.data.push_back(int16_t((i / 50) % 2 ? 12000 : -12000));
    ins.sample.loopStart = 100;
    ins.sample.loopLength = 300;
    m.instruments.push_back(ins);
    return m;
}

TEST(XmWriterTest, HeaderFieldsSitAtTheirOffsets) {
    std::vector<uint8_t> b = writeXm(tinyModule());
    EXPECT_EQ(std::string(b.begin(), b.begin() + 17), "Extended Module: ");
    EXPECT_EQ(std::string(b.begin() + 17, b.begin() + 21), "tiny");
    EXPECT_EQ(b[37], 0x1a);
    EXPECT_EQ(word(b, 58), 0x0104u);
    EXPECT_EQ(dword(b, 60), 276u);
    EXPECT_EQ(word(b, 64), 2u); // orders
    EXPECT_EQ(word(b, 68), 2u); // channels
    EXPECT_EQ(word(b, 70), 1u); // patterns
    EXPECT_EQ(word(b, 72), 1u); // instruments
    EXPECT_EQ(word(b, 74), 1u); // linear frequencies
    EXPECT_EQ(word(b, 76), 5u);
    EXPECT_EQ(word(b, 78), 130u);
}

TEST(XmWriterTest, PacksEmptyCellsToOneByteAndStoresFullCellsWhole) {
    std::vector<uint8_t> b = writeXm(tinyModule());
    std::size_t at = 336;
    EXPECT_EQ(dword(b, at), 9u);
    EXPECT_EQ(word(b, at + 5), 2u); // rows
    std::vector<uint8_t> expected = {49, 1, 0x50, 0x0C, 0x20, 0x80, 0x80, 0x81, xm::kKeyOff};
    ASSERT_EQ(word(b, at + 7), expected.size());
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + long(at) + 9, b.begin() + long(at + 9 + expected.size())),
              expected);
}

TEST(XmWriterTest, StoresSamplesAsSixteenBitDeltasWithByteLoops) {
    xm::Module m = tinyModule();
    std::vector<uint8_t> b = writeXm(m);
    std::size_t instrument = 336 + 9 + 9;
    EXPECT_EQ(dword(b, instrument), 263u);
    std::size_t sampleHeader = instrument + 263;
    EXPECT_EQ(dword(b, sampleHeader), 800u);
    EXPECT_EQ(dword(b, sampleHeader + 4), 200u);
    EXPECT_EQ(dword(b, sampleHeader + 8), 600u);
    EXPECT_EQ(b[sampleHeader + 14], 0x11); // 16-bit, forward loop
    std::size_t data = sampleHeader + 40;
    ASSERT_EQ(b.size(), data + 800);
    EXPECT_EQ(int16_t(word(b, data)), -12000);
    EXPECT_EQ(int16_t(word(b, data + 2)), 0);
    EXPECT_EQ(int16_t(word(b, data + 100)), 24000);
}

TEST(XmWriterTest, RejectsWhatTheFormatCannotHold) {
    xm::Module m = tinyModule();
    m.orders.clear();
    EXPECT_THROW(writeXm(m), std::invalid_argument);
    m = tinyModule();
    m.patterns.push_back(xm::Pattern(4, 3));
    EXPECT_THROW(writeXm(m), std::invalid_argument);
}

TEST(XmWriterTest, DumbReadsTheModuleBackAndPlaysIt) {
    std::vector<uint8_t> bytes = writeXm(tinyModule());
    const char* path = "soundgen-tiny-test.xm";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    dumb_register_stdfiles();
    DUH* duh = dumb_load_xm(path);
    std::remove(path);
    ASSERT_NE(duh, nullptr);
    EXPECT_GT(duh_get_length(duh), 0);
    DUH_SIGRENDERER* r = dumb_it_start_at_order(duh, 2, 0);
    ASSERT_NE(r, nullptr);
    std::vector<short> buffer(2048 * 2);
    ASSERT_GT(duh_render(r, 16, 0, 1.0f, 65536.0f / 44100, 2048, buffer.data()), 0);
    int peak = 0;
    for (short s : buffer)
        peak = std::max(peak, std::abs(int(s)));
    EXPECT_GT(peak, 500) << "the note should sound";
    duh_end_sigrenderer(r);
    unload_duh(duh);
}

} // namespace
