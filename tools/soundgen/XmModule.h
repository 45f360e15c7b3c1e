#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// An extended (FastTracker 2) module in memory, as XmWriter stores it.
namespace xm {

constexpr uint8_t kKeyOff = 97;
constexpr uint8_t kEffectPositionJump = 0x0B;
constexpr uint8_t kEffectGlobalVolume = 0x10;  // Gxx, 0..64
constexpr uint8_t kVolumeSet = 0x10;           // volume column: 0x10 + 0..64

struct Cell {
    uint8_t note = 0;        // 1..96 (1 = C-0), kKeyOff, or 0 for none
    uint8_t instrument = 0;  // 1-based, 0 for none
    uint8_t volume = 0;      // volume column byte, 0 for none
    uint8_t effect = 0;
    uint8_t param = 0;
};

struct Pattern {
    int rows = 64;
    int channels = 0;
    std::vector<Cell> cells;  // row-major
    Pattern(int rowCount, int channelCount)
        : rows(rowCount), channels(channelCount), cells(std::size_t(rowCount * channelCount)) {}
    Cell& at(int row, int channel) { return cells[std::size_t(row * channels + channel)]; }
    const Cell& at(int row, int channel) const { return cells[std::size_t(row * channels + channel)]; }
};

struct Envelope {
    std::vector<std::pair<uint16_t, uint16_t>> points;  // (tick, level 0..64), at most 12
    int sustain = -1;                                   // point held until key-off, -1 for none
};

struct Sample {
    std::vector<int16_t> data;
    uint32_t loopStart = 0;  // in sample frames; a zero loop length means no loop
    uint32_t loopLength = 0;
    uint8_t volume = 64;
    int8_t finetune = 0;
    uint8_t panning = 128;
    int8_t relativeNote = 0;
};

struct Instrument {
    std::string name;
    Sample sample;
    Envelope volumeEnvelope;  // unused when it has no points
    uint16_t fadeout = 0;
    uint8_t vibratoType = 0, vibratoSweep = 0, vibratoDepth = 0, vibratoRate = 0;
};

struct Module {
    std::string name;
    int channels = 4;
    int speed = 6;  // ticks per row
    int bpm = 125;
    int restart = 0;
    std::vector<uint8_t> orders;
    std::vector<Pattern> patterns;
    std::vector<Instrument> instruments;
};

}  // namespace xm
