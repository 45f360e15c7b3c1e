#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// Interleaved stereo 16-bit audio, as the music player hands it to the mixer.
struct StereoPcm {
    int rate = 44100;
    std::vector<int16_t> samples;  // left, right, left, right...
    double seconds() const { return double(samples.size()) / 2 / rate; }
};

struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double operator()(double x) {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        return y;
    }
};

inline Biquad highPass(double rate, double f0, double q) {
    double k = std::tan(M_PI * f0 / rate), a0 = 1 + k / q + k * k;
    return {1 / a0, -2 / a0, 1 / a0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

// Per frame, the sum over both channels of the squared sample, each channel through its own `filter`.
template <typename Filter> std::vector<double> filteredPower(const StereoPcm& pcm, Filter filter) {
    Filter left = filter, right = filter;
    std::vector<double> power(pcm.samples.size() / 2);
    for (std::size_t i = 0; i < power.size(); ++i) {
        double l = left(pcm.samples[2 * i] / 32768.0), r = right(pcm.samples[2 * i + 1] / 32768.0);
        power[i] = l * l + r * r;
    }
    return power;
}

inline double toLufs(double meanSquare) {
    return meanSquare > 0 ? -0.691 + 10 * std::log10(meanSquare) : -INFINITY;
}

// Loudness as broadcasters measure it (ITU-R BS.1770-4), in LUFS: the mean square after K-weighting (a
// high shelf for the head, a high-pass for the lowest bass, designed for any rate from the analogue
// prototypes of the standard's 48 kHz coefficients) in 400 ms blocks every 100 ms, both channels
// weighted 1. The integrated value takes the blocks above -70 LUFS and no more than 10 LU below
// their mean; -70 when nothing passes.
struct Loudness {
    std::vector<double> momentary;
    double integrated = -70;

    explicit Loudness(const StereoPcm& pcm) {
        const double f0 = 1681.974450955533, q = 0.7071752369554196, k = std::tan(M_PI * f0 / pcm.rate);
        const double vh = std::pow(10.0, 3.999843853973347 / 20), vb = std::pow(vh, 0.4996667741545416);
        const double a0 = 1 + k / q + k * k;
        Biquad shelf{(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
                     2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
        Biquad bass = highPass(pcm.rate, 38.13547087602444, 0.5003270373238773);
        std::vector<double> power =
            filteredPower(pcm, [shelf, bass](double x) mutable { return bass(shelf(x)); });
        std::size_t block = std::size_t(std::lround(0.4 * pcm.rate)), step = std::size_t(std::lround(0.1 * pcm.rate));
        std::vector<double> blocks;
        double sum = 0;
        for (std::size_t i = 0; i < power.size(); ++i) {
            sum += power[i] - (i >= block ? power[i - block] : 0);
            if (i + 1 >= block && (i + 1 - block) % step == 0)
                blocks.push_back(std::max(0.0, sum) / double(block));
        }
        auto gatedMean = [&](double gate) {
            double total = 0;
            int count = 0;
            for (double z : blocks)
                if (toLufs(z) > gate)
                    total += z, ++count;
            return count ? total / count : 0;
        };
        for (double z : blocks)
            momentary.push_back(std::max(-70.0, toLufs(z)));
        if (double aboveAbsolute = gatedMean(-70); aboveAbsolute > 0)
            integrated = toLufs(gatedMean(std::max(-70.0, toLufs(aboveAbsolute) - 10)));
    }

    // Over `seconds` of the momentary blocks from `from` seconds on.
    double over(double from, double seconds) const {
        double sum = 0;
        int count = 0;
        for (std::size_t i = std::size_t(std::max(0.0, from * 10)); i < momentary.size() && i < (from + seconds) * 10;
             ++i, ++count)
            sum += std::pow(10.0, (momentary[i] + 0.691) / 10);
        return count ? -0.691 + 10 * std::log10(sum / count) : -70;
    }
};

// The share of the signal's power above `hz` (a two-pole high-pass there), in dB below the whole.
inline double powerAboveDb(const StereoPcm& pcm, double hz) {
    std::vector<double> high = filteredPower(pcm, highPass(pcm.rate, hz, M_SQRT1_2));
    std::vector<double> all = filteredPower(pcm, [](double x) { return x; });
    double highSum = 0, allSum = 0;
    for (std::size_t i = 0; i < all.size(); ++i)
        highSum += high[i], allSum += all[i];
    return allSum > 0 && highSum > 0 ? 10 * std::log10(highSum / allSum) : -INFINITY;
}
