#include "core/Random.h"

#include <cstdlib>
#include <ctime>

namespace {

// Levels and effects were tuned against a generator whose draws span 0..32767; glibc's
// span 0..2^31-1, so keep the low fifteen bits to reproduce that range on every runtime.
long draw() {
    return std::rand() % 32768;
}

}  // namespace

float randomFloat(float min, float max) {
    return min + (max - min) * static_cast<float>(draw()) / 32767.0f;
}

long randomInt(long min, long max) {
    return min + (draw() % (max - min + 1));
}

void initRandom() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    randomFloat(0, 1);
}
