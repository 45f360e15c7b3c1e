#include "XmWriter.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

// Two channels, one two-row pattern played twice: header words at their offsets, a full cell stored
// whole, empty cells packed to one byte each, a lone note behind its flag byte.
TEST(XmWriterTest, StoresTheHeaderAndAPackedPatternWhereTheFormatPutsThem) {
    xm::Module m;
    m.name = "tiny", m.channels = 2, m.speed = 5, m.bpm = 130, m.orders = {0, 0};
    m.patterns.push_back(xm::Pattern(2, 2));
    m.patterns[0].at(0, 0) = {49, 1, 0x50, 0x0C, 0x20};
    m.patterns[0].at(1, 1).note = xm::kKeyOff;
    Bytes b = writeXm(m);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 21), "Extended Module: tiny");
    EXPECT_EQ(b[37], 0x1a);
    const std::pair<size_t, int> words[] = {{58, 0x0104}, {60, 276}, {64, 2},   {66, 0},  {68, 2}, {70, 1},
                                            {72, 0},      {76, 5},   {78, 130}, {341, 2}, {343, 9}};
    for (auto [at, value] : words)
        EXPECT_EQ(b[at] | b[at + 1] << 8, value) << "at " << at;
    Bytes cells = {49, 1, 0x50, 0x0C, 0x20, 0x80, 0x80, 0x81, xm::kKeyOff};
    EXPECT_EQ(Bytes(b.begin() + 345, b.end()), cells) << "nothing after the pattern without instruments";
    xm::Module noOrders = m, ragged = m;
    noOrders.orders.clear();
    ragged.patterns.push_back(xm::Pattern(4, 3));
    EXPECT_THROW(writeXm(noOrders), std::invalid_argument);
    EXPECT_THROW(writeXm(ragged), std::invalid_argument);
}

}  // namespace
