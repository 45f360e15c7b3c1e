#include "InstrumentRecipe.h"

#include "VoiceRecipe.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

constexpr double kRateAtC4 = 8363;  // XM plays an untuned sample at this rate at C-4

double wholeCycles(double freq, double loop) {
    return std::max(1.0, std::round(freq * loop)) / loop;
}

void checkLoopable(const TextLine& line, const Voice& v, double length, double loop) {
    if (v.wave == Wave::Noise || v.freqFrom != v.freqTo || v.power != 0 || v.filter != FilterMode::None)
        line.fail("a looped instrument's voices must be steady: no noise, sweep, fall or filter");
    if (v.start + v.attack > length - loop || v.start + v.length < length)
        line.fail("a looped instrument's voices must rise before the loop and last to the end");
}

xm::Envelope parseEnvelope(const TextLine& line, const Settings& s) {
    xm::Envelope env;
    std::istringstream points(s.text("envelope", ""));
    for (std::string point; std::getline(points, point, ',');) {
        std::size_t colon = point.find(':');
        if (colon == std::string::npos)
            line.fail("envelope points are tick:level");
        env.points.emplace_back(uint16_t(std::stoi(point.substr(0, colon))),
                                uint16_t(std::clamp(std::stoi(point.substr(colon + 1)), 0, 64)));
    }
    if (env.points.size() > 12)
        line.fail("an envelope has at most 12 points");
    env.sustain = int(s.number("sustain", -1));
    if (env.sustain >= int(env.points.size()))
        line.fail("sustain names a point the envelope lacks");
    return env;
}

std::vector<int16_t> toPcm(const std::vector<float>& samples) {
    std::vector<int16_t> pcm(samples.size());
    std::transform(samples.begin(), samples.end(), pcm.begin(),
                   [](float s) { return int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767)); });
    return pcm;
}

}  // namespace

void tuneSample(xm::Sample& sample, double fundamental) {
    double semitones = 12 * std::log2(kSampleRate * kMiddleC / (fundamental * kRateAtC4));
    int whole = int(std::floor(semitones + 0.5));
    sample.relativeNote = int8_t(whole);
    sample.finetune = int8_t(std::clamp(int(std::lround((semitones - whole) * 128)), -128, 127));
}

xm::Instrument buildInstrument(const InstrumentRecipe& recipe) {
    const TextLine& line = recipe.header;
    Settings s(line, 2);
    double length = s.number("len", 1.0);
    double loop = s.number("loop", 0);
    double base = s.number("base", kMiddleC);
    if (loop > 0)
        base = wholeCycles(base, loop);
    if (loop < 0 || loop >= length || base <= 0 || length > 10)
        line.fail("needs 0 <= loop < len <= 10 and a positive base");

    std::vector<Voice> voices;
    for (const TextLine& voiceLine : recipe.voices) {
        Voice v = parseVoice(voiceLine, base);
        if (loop > 0) {
            checkLoopable(voiceLine, v, length, loop);
            v.freqFrom = v.freqTo = wholeCycles(v.freqFrom, loop);
            if (v.vibratoDepth > 0)
                v.vibratoRate = wholeCycles(v.vibratoRate, loop);
        }
        voices.push_back(v);
    }
    if (voices.empty())
        line.fail("an instrument needs voices");

    std::vector<float> samples = renderVoices(voices, length);
    if (loop == 0)
        fadeEnds(samples, 0, 0.004);
    normalisePeak(samples, 0.9);

    xm::Instrument ins;
    ins.name = line.words[1];
    ins.sample.data = toPcm(samples);
    if (loop > 0) {
        ins.sample.loopLength = uint32_t(std::lround(loop * kSampleRate));
        ins.sample.loopStart = uint32_t(ins.sample.data.size()) - ins.sample.loopLength;
    }
    ins.sample.volume = uint8_t(std::clamp(int(s.number("volume", 64)), 0, 64));
    ins.sample.panning = uint8_t(std::clamp(int(s.number("pan", 128)), 0, 255));
    tuneSample(ins.sample, base);
    ins.volumeEnvelope = parseEnvelope(line, s);
    ins.fadeout = uint16_t(s.number("fadeout", 0));
    if (s.has("vibrato")) {
        std::vector<double> vib = s.numbers("vibrato");
        if (vib.size() != 4)
            line.fail("vibrato wants type:sweep:depth:rate");
        ins.vibratoType = uint8_t(vib[0]), ins.vibratoSweep = uint8_t(vib[1]);
        ins.vibratoDepth = uint8_t(vib[2]), ins.vibratoRate = uint8_t(vib[3]);
    }
    return ins;
}
