#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void put(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(char((value >> (8 * i)) & 0xff));
}

}  // namespace

bool writeWav(const std::string& path, const std::vector<float>& samples, int rate) {
    std::ofstream out(path, std::ios::binary);
    uint32_t dataBytes = uint32_t(samples.size() * 2);
    out.write("RIFF", 4);
    put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, 1, 2);  // mono
    put(out, uint32_t(rate), 4);
    put(out, uint32_t(rate * 2), 4);
    put(out, 2, 2);
    put(out, 16, 2);
    out.write("data", 4);
    put(out, dataBytes, 4);
    for (float s : samples)
        put(out, uint16_t(int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767))), 2);
    return bool(out);
}
