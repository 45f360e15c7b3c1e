#include "XmWriter.h"

#include <dumb.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

uint32_t word(const std::vector<uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}
uint32_t dword(const std::vector<uint8_t>& b, std::size_t at) {
    return word(b, at) | (word(b, at + 2) << 16);
}

// Two channels, one two-row pattern played twice, one looped square-wave instrument.
xm::Module tinyModule() {
    xm::Module m;
    m.name = "tiny";
    m.channels = 2;
    m.speed = 5;
    m.bpm = 130;
    m.restart = 0;
    m.orders = {0, 0};
    xm::Pattern p(2, 2);
    p.at(0, 0) = {49, 1, 0x50, 0x0C, 0x20};  // every field: stored whole
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

// Header words at their offsets; empty cells packed to one byte; samples as 16-bit deltas with loops
// in bytes.
TEST(XmWriterTest, WritesTheFormatsFieldsWhereTheyBelong) {
    std::vector<uint8_t> b = writeXm(tinyModule());
    EXPECT_EQ(std::string(b.begin(), b.begin() + 21), "Extended Module: tiny");
    EXPECT_EQ(b[37], 0x1a);
    const std::pair<std::size_t, uint32_t> words[] = {{58, 0x0104}, {64, 2}, {68, 2}, {70, 1},
                                                      {72, 1},      {74, 1}, {76, 5}, {78, 130}};
    for (auto [at, value] : words)
        EXPECT_EQ(word(b, at), value) << "at " << at;
    EXPECT_EQ(dword(b, 60), 276u);
    EXPECT_EQ(dword(b, 336), 9u);
    EXPECT_EQ(word(b, 341), 2u) << "rows";
    std::vector<uint8_t> cells = {49, 1, 0x50, 0x0C, 0x20, 0x80, 0x80, 0x81, xm::kKeyOff};
    ASSERT_EQ(word(b, 343), cells.size());
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 345, b.begin() + 354), cells);
    std::size_t sample = 354 + 263;  // after the instrument header
    EXPECT_EQ(std::vector<uint32_t>({dword(b, sample), dword(b, sample + 4), dword(b, sample + 8), b[sample + 14]}),
              std::vector<uint32_t>({800, 200, 600, 0x11})) << "16-bit bytes, a forward loop";
    ASSERT_EQ(b.size(), sample + 40 + 800);
    EXPECT_EQ(int16_t(word(b, sample + 140)), 24000) << "deltas";
    xm::Module noOrders = tinyModule(), ragged = tinyModule();
    noOrders.orders.clear();
    ragged.patterns.push_back(xm::Pattern(4, 3));
    EXPECT_THROW(writeXm(noOrders), std::invalid_argument);
    EXPECT_THROW(writeXm(ragged), std::invalid_argument);
}

TEST(XmWriterTest, DumbReadsTheModuleBackAndPlaysIt) {
    std::vector<uint8_t> bytes = writeXm(tinyModule());
    const char* path = "soundgen-tiny-test.xm";
    std::FILE* file = std::fopen(path, "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    dumb_register_stdfiles();
    DUH* duh = dumb_load_xm(path);
    std::remove(path);
    ASSERT_NE(duh, nullptr);
    DUH_SIGRENDERER* r = dumb_it_start_at_order(duh, 2, 0);
    ASSERT_NE(r, nullptr);
    std::vector<short> buffer(2048 * 2);
    ASSERT_GT(duh_render(r, 16, 0, 1.0f, 65536.0f / 44100, 2048, buffer.data()), 0);
    EXPECT_GT(*std::max_element(buffer.begin(), buffer.end()), 500) << "the note sounds";
    duh_end_sigrenderer(r);
    unload_duh(duh);
}

} // namespace
