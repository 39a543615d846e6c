// One seedable generator (xorshift-based) for every Rand and Rnd of the game.
#include "shell/random.h"
#include <algorithm>

namespace {
uint64_t g_state = 0x9E3779B97F4A7C15ull;

uint64_t Next() {
    // splitmix64: good spread, tiny state, identical on every platform.
    uint64_t z = (g_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

void Rand_Seed(uint32_t seed) { g_state = seed * 0x2545F4914F6CDD1Dull + 1; }

int Rand(int a, int b) {
    int lo = std::min(a, b), hi = std::max(a, b);
    uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo) + 1;
    return static_cast<int>(lo + static_cast<int64_t>(Next() % span));
}

float Rnd(float a, float b) {
    float lo = std::min(a, b), hi = std::max(a, b);
    double unit = static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
    float r = static_cast<float>(lo + (hi - lo) * unit);
    return r < hi || lo == hi ? r : lo;
}
