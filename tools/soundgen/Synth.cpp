#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kTwoPi = 6.283185307179586;

double sweep(double from, double to, double u) {
    return from * std::pow(to / from, u);
}

// The cutoff a fraction u of the way through the voice: exponential legs between evenly spaced points.
double alongPath(const std::vector<double>& points, double u) {
    if (points.size() == 1)
        return points[0];
    double at = u * double(points.size() - 1);
    std::size_t leg = std::min(std::size_t(at), points.size() - 2);
    return sweep(points[leg], points[leg + 1], at - double(leg));
}

// Band-limited oscillators are sums of harmonics, so pitched-up samples and sweeps do not alias.
double harmonicAmplitude(Wave wave, int k, double duty) {
    switch (wave) {
    case Wave::Sine:
        return k == 1 ? 1.0 : 0.0;
    case Wave::Saw:
        return 1.0 / k;
    case Wave::Square:
        return std::sin(M_PI * k * duty) / k;
    case Wave::Triangle:
        return k % 2 == 0 ? 0.0 : ((k / 2) % 2 == 0 ? 1.0 : -1.0) / (double(k) * k);
    case Wave::Noise:
        break;
    }
    return 0.0;
}

double oscillator(const Voice& v, double phase, double freq) {
    int harmonics = v.wave == Wave::Sine ? 1 : std::max(1, int(v.bandLimit / freq));
    double sum = 0;
    for (int k = 1; k <= harmonics; ++k) {
        double a = harmonicAmplitude(v.wave, k, v.duty);
        if (a != 0.0)
            sum += a * std::sin(kTwoPi * k * phase);
    }
    return sum;
}

// Chamberlin state-variable filter: one sweepable low/high/band-pass stage.
struct Svf {
    double low = 0, band = 0;
    double step(double in, double cutoff, double damping, FilterMode mode) {
        double f = 2 * std::sin(M_PI * std::min(cutoff, kSampleRate / 6.0) / kSampleRate);
        low += f * band;
        double high = in - low - damping * band;
        band += f * high;
        switch (mode) {
        case FilterMode::LowPass:
            return low;
        case FilterMode::HighPass:
            return high;
        case FilterMode::BandPass:
            return band;
        case FilterMode::None:
            break;
        }
        return in;
    }
};

double envelope(const Voice& v, double t) {
    double rise = v.attack > 0 ? std::min(1.0, t / v.attack) : 1.0;
    double fall = v.power > 0 ? std::pow(std::max(0.0, 1.0 - t / v.length), v.power) : 1.0;
    return rise * fall;
}

void addVoice(const Voice& v, std::vector<float>& out) {
    long first = std::lround(v.start * kSampleRate);
    long count = std::lround(v.length * kSampleRate);
    uint32_t noise = v.seed * 2654435761u + 1;
    std::vector<Svf> filters(std::size_t(v.stages));
    double phase = 0;
    for (long i = 0; i < count && first + i < long(out.size()); ++i) {
        double t = double(i) / kSampleRate;
        double u = t / v.length;
        double value;
        if (v.wave == Wave::Noise) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            value = noise / 2147483648.0 - 1.0;
        } else {
            double freq = sweep(v.freqFrom, v.freqTo, u);
            if (v.vibratoDepth > 0)
                freq *= std::pow(2.0, v.vibratoDepth / 12 * std::sin(kTwoPi * v.vibratoRate * t));
            value = oscillator(v, phase, freq);
            phase += freq / kSampleRate;
            phase -= std::floor(phase);
        }
        if (v.filter != FilterMode::None)
            for (Svf& filter : filters)
                value = filter.step(value, alongPath(v.cutoff, u), 2 * v.resonance, v.filter);
        out[first + i] += float(value * v.gain * envelope(v, t));
    }
}

}  // namespace

std::vector<float> renderVoices(const std::vector<Voice>& voices, double seconds) {
    std::vector<float> out(std::size_t(std::lround(seconds * kSampleRate)), 0.0f);
    for (const Voice& v : voices)
        addVoice(v, out);
    return out;
}

void normalisePeak(std::vector<float>& samples, double peak) {
    float largest = 0;
    for (float s : samples)
        largest = std::max(largest, std::fabs(s));
    if (largest == 0)
        return;
    for (float& s : samples)
        s = float(s * peak / largest);
}

void fadeEnds(std::vector<float>& samples, double fadeInSeconds, double fadeOutSeconds) {
    long n = long(samples.size());
    long in = std::min(n, std::lround(fadeInSeconds * kSampleRate));
    long out = std::min(n, std::lround(fadeOutSeconds * kSampleRate));
    for (long i = 0; i < in; ++i)
        samples[i] *= float(0.5 - 0.5 * std::cos(M_PI * i / in));
    for (long i = 0; i < out; ++i)
        samples[n - 1 - i] *= float(0.5 - 0.5 * std::cos(M_PI * i / out));
}
