#include "XmWriter.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr uint32_t kHeaderSize = 276;  // counted from offset 60
constexpr uint32_t kInstrumentHeaderSize = 263;
constexpr uint32_t kSampleHeaderSize = 40;
constexpr uint8_t kSixteenBit = 0x10, kForwardLoop = 0x01;
constexpr uint8_t kEnvelopeOn = 0x01, kEnvelopeSustain = 0x02;

class Bytes {
public:
    void u8(uint32_t v) { out.push_back(uint8_t(v)); }
    void u16(uint32_t v) {
        u8(v & 0xff);
        u8(v >> 8);
    }
    void u32(uint32_t v) {
        u16(v & 0xffff);
        u16(v >> 16);
    }
    void text(const std::string& s, std::size_t width, char pad = '\0') {
        for (std::size_t i = 0; i < width; ++i)
            out.push_back(uint8_t(i < s.size() ? s[i] : pad));
    }
    void zeros(std::size_t n) { out.insert(out.end(), n, 0); }
    void append(const std::vector<uint8_t>& more) { out.insert(out.end(), more.begin(), more.end()); }
    std::vector<uint8_t> out;
};

// A cell with every field present is stored whole; any other is packed behind a mask byte.
void packCell(const xm::Cell& c, Bytes& b) {
    uint8_t mask = (c.note ? 1 : 0) | (c.instrument ? 2 : 0) | (c.volume ? 4 : 0) | (c.effect ? 8 : 0) |
                   (c.param ? 16 : 0);
    if (mask == 0x1f) {
        b.u8(c.note), b.u8(c.instrument), b.u8(c.volume), b.u8(c.effect), b.u8(c.param);
        return;
    }
    b.u8(0x80 | mask);
    for (uint8_t field : {c.note, c.instrument, c.volume, c.effect, c.param})
        if (field)
            b.u8(field);
}

void writeHeader(const xm::Module& m, Bytes& b) {
    b.text("Extended Module: ", 17);
    b.text(m.name, 20);
    b.u8(0x1a);
    b.text("Sorrelmoor soundgen", 20);
    b.u16(0x0104);
    b.u32(kHeaderSize);
    b.u16(uint32_t(m.orders.size()));
    b.u16(uint32_t(m.restart));
    b.u16(uint32_t(m.channels));
    b.u16(uint32_t(m.patterns.size()));
    b.u16(uint32_t(m.instruments.size()));
    b.u16(1);  // linear frequency table
    b.u16(uint32_t(m.speed));
    b.u16(uint32_t(m.bpm));
    for (std::size_t i = 0; i < 256; ++i)
        b.u8(i < m.orders.size() ? m.orders[i] : 0);
}

void writePattern(const xm::Pattern& p, Bytes& b) {
    Bytes data;
    for (const xm::Cell& c : p.cells)
        packCell(c, data);
    b.u32(9);
    b.u8(0);  // packing type
    b.u16(uint32_t(p.rows));
    b.u16(uint32_t(data.out.size()));
    b.append(data.out);
}

void writeEnvelopePoints(const xm::Envelope& e, Bytes& b) {
    for (std::size_t i = 0; i < 12; ++i) {
        b.u16(i < e.points.size() ? e.points[i].first : 0);
        b.u16(i < e.points.size() ? e.points[i].second : 0);
    }
}

void writeInstrument(const xm::Instrument& ins, Bytes& b) {
    const xm::Envelope& env = ins.volumeEnvelope;
    const xm::Sample& s = ins.sample;
    b.u32(kInstrumentHeaderSize);
    b.text(ins.name, 22);
    b.u8(0);
    b.u16(1);  // one sample, used for every note
    b.u32(kSampleHeaderSize);
    b.zeros(96);
    writeEnvelopePoints(env, b);
    writeEnvelopePoints(xm::Envelope{}, b);
    b.u8(uint32_t(env.points.size()));
    b.u8(0);
    b.u8(uint32_t(std::max(env.sustain, 0)));
    b.zeros(5);  // volume loop, panning sustain and loop
    b.u8(env.points.empty() ? 0 : kEnvelopeOn | (env.sustain >= 0 ? kEnvelopeSustain : 0));
    b.u8(0);
    b.u8(ins.vibratoType), b.u8(ins.vibratoSweep), b.u8(ins.vibratoDepth), b.u8(ins.vibratoRate);
    b.u16(ins.fadeout);
    b.zeros(22);

    b.u32(uint32_t(s.data.size() * 2));
    b.u32(s.loopStart * 2);
    b.u32(s.loopLength * 2);
    b.u8(s.volume);
    b.u8(uint8_t(s.finetune));
    b.u8(kSixteenBit | (s.loopLength ? kForwardLoop : 0));
    b.u8(s.panning);
    b.u8(uint8_t(s.relativeNote));
    b.u8(0);
    b.text(ins.name, 22);
    int16_t previous = 0;
    for (int16_t v : s.data) {
        b.u16(uint16_t(v - previous));
        previous = v;
    }
}

}  // namespace

std::vector<uint8_t> writeXm(const xm::Module& module) {
    if (module.orders.empty() || module.orders.size() > 256 || module.patterns.size() > 256 ||
        module.instruments.size() > 128 || module.channels < 1 || module.channels > 32)
        throw std::invalid_argument("module out of the format's bounds");
    Bytes b;
    writeHeader(module, b);
    for (const xm::Pattern& p : module.patterns) {
        if (p.channels != module.channels || p.rows < 1 || p.rows > 256)
            throw std::invalid_argument("pattern does not fit the module");
        writePattern(p, b);
    }
    for (const xm::Instrument& ins : module.instruments) {
        if (ins.volumeEnvelope.points.size() > 12)
            throw std::invalid_argument("an envelope has at most 12 points");
        writeInstrument(ins, b);
    }
    return b.out;
}
