#include "VoiceRecipe.h"

#include <algorithm>

namespace {

Wave parseWave(const TextLine& line, const std::string& name) {
    static const std::map<std::string, Wave> waves = {{"sine", Wave::Sine},
                                                      {"triangle", Wave::Triangle},
                                                      {"square", Wave::Square},
                                                      {"saw", Wave::Saw},
                                                      {"noise", Wave::Noise}};
    auto it = waves.find(name);
    if (it == waves.end())
        line.fail("unknown wave '" + name + "'");
    return it->second;
}

FilterMode parseFilter(const TextLine& line, const std::string& name) {
    static const std::map<std::string, FilterMode> modes = {{"none", FilterMode::None},
                                                            {"lowpass", FilterMode::LowPass},
                                                            {"highpass", FilterMode::HighPass},
                                                            {"bandpass", FilterMode::BandPass}};
    auto it = modes.find(name);
    if (it == modes.end())
        line.fail("unknown filter '" + name + "'");
    return it->second;
}

}  // namespace

Voice parseVoice(const TextLine& line, double baseFrequency) {
    Settings s(line, 1);
    Voice v;
    v.wave = parseWave(line, s.text("wave", "sine"));
    v.start = s.number("start", v.start);
    v.length = s.number("len", v.length);
    s.range("freq", v.freqFrom, v.freqTo);
    if (s.has("ratio")) {
        s.range("ratio", v.freqFrom, v.freqTo);
        v.freqFrom *= baseFrequency;
        v.freqTo *= baseFrequency;
    }
    v.duty = s.number("duty", v.duty);
    v.attack = s.number("attack", v.attack);
    v.power = s.number("power", v.power);
    v.gain = s.number("gain", v.gain);
    if (s.has("vibrato")) {
        std::vector<double> vib = s.numbers("vibrato");
        if (vib.size() != 2)
            line.fail("vibrato wants rate:depth");
        v.vibratoRate = vib[0];
        v.vibratoDepth = vib[1];
    }
    v.bandLimit = s.number("bandlimit", v.bandLimit);
    v.filter = parseFilter(line, s.text("filter", "none"));
    v.cutoff = s.path("cutoff", v.cutoff);
    v.resonance = s.number("resonance", v.resonance);
    v.stages = int(s.number("stages", v.stages));
    v.seed = unsigned(s.number("seed", v.seed));
    bool cutoffsPositive = std::all_of(v.cutoff.begin(), v.cutoff.end(), [](double hz) { return hz > 0; });
    if (v.length <= 0 || v.start < 0 || v.stages < 1 || v.stages > 4 || v.freqFrom <= 0 || v.freqTo <= 0 ||
        !cutoffsPositive)
        line.fail("voice needs a positive length, frequencies and cutoffs, and 1 to 4 filter stages");
    return v;
}
