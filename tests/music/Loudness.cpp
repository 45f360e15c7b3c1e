#include "Loudness.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kBlockSeconds = 0.4, kStepSeconds = 0.1;
constexpr double kAbsoluteGate = -70, kRelativeGate = -10;

struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double step(double x) {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        return y;
    }
};

// The two K-weighting stages (a high shelf for the head, a high-pass for the lowest bass), designed
// for any rate from the analogue prototypes that give BS.1770's 48 kHz coefficients.
Biquad headShelf(double rate) {
    const double f0 = 1681.974450955533, gainDb = 3.999843853973347, q = 0.7071752369554196;
    double k = std::tan(M_PI * f0 / rate);
    double vh = std::pow(10.0, gainDb / 20), vb = std::pow(vh, 0.4996667741545416);
    double a0 = 1 + k / q + k * k;
    return {(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
            2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

Biquad highPass(double rate, double f0, double q) {
    double k = std::tan(M_PI * f0 / rate);
    double a0 = 1 + k / q + k * k;
    return {1 / a0, -2 / a0, 1 / a0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

// Per frame, the sum over both channels of the squared sample, each channel through its own filter.
template <typename MakeFilter> std::vector<double> filteredPower(const StereoPcm& pcm, MakeFilter makeChain) {
    auto left = makeChain(), right = makeChain();
    std::vector<double> power(pcm.samples.size() / 2);
    for (std::size_t i = 0; i < power.size(); ++i) {
        double l = left(pcm.samples[2 * i] / 32768.0), r = right(pcm.samples[2 * i + 1] / 32768.0);
        power[i] = l * l + r * r;
    }
    return power;
}

double toLufs(double meanSquare) {
    return meanSquare > 0 ? -0.691 + 10 * std::log10(meanSquare) : -INFINITY;
}

std::vector<double> blockPowers(const std::vector<double>& power, int rate) {
    std::size_t block = std::size_t(std::lround(kBlockSeconds * rate));
    std::size_t step = std::size_t(std::lround(kStepSeconds * rate));
    std::vector<double> blocks;
    double sum = 0;
    for (std::size_t i = 0; i < power.size(); ++i) {
        sum += power[i];
        if (i >= block)
            sum -= power[i - block];
        if (i + 1 >= block && (i + 1 - block) % step == 0)
            blocks.push_back(std::max(0.0, sum) / double(block));
    }
    return blocks;
}

double gatedMean(const std::vector<double>& blocks, double gateLufs) {
    double sum = 0;
    int count = 0;
    for (double z : blocks)
        if (toLufs(z) > gateLufs)
            sum += z, ++count;
    return count ? sum / count : 0;
}

} // namespace

Loudness measureLoudness(const StereoPcm& pcm) {
    std::vector<double> power = filteredPower(pcm, [&] {
        return [shelf = headShelf(pcm.rate),
                bass = highPass(pcm.rate, 38.13547087602444, 0.5003270373238773)](double x) mutable {
            return bass.step(shelf.step(x));
        };
    });
    std::vector<double> blocks = blockPowers(power, pcm.rate);
    Loudness result;
    for (double z : blocks)
        result.momentary.push_back(std::max(kAbsoluteGate, toLufs(z)));
    double aboveAbsolute = gatedMean(blocks, kAbsoluteGate);
    if (aboveAbsolute > 0)
        result.integrated =
            toLufs(gatedMean(blocks, std::max(kAbsoluteGate, toLufs(aboveAbsolute) + kRelativeGate)));
    return result;
}

double powerAboveDb(const StereoPcm& pcm, double hz) {
    std::vector<double> high = filteredPower(pcm, [&] {
        return [filter = highPass(pcm.rate, hz, M_SQRT1_2)](double x) mutable { return filter.step(x); };
    });
    std::vector<double> all = filteredPower(pcm, [] { return [](double x) { return x; }; });
    double highSum = 0, allSum = 0;
    for (std::size_t i = 0; i < all.size(); ++i)
        highSum += high[i], allSum += all[i];
    return allSum > 0 && highSum > 0 ? 10 * std::log10(highSum / allSum) : -INFINITY;
}
