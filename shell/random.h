// The one random generator of the game; seeded once, so a seeded headless run repeats exactly.
#pragma once
#include <cstdint>

void Rand_Seed(uint32_t seed);
// Uniform integer from min(a, b) to max(a, b) inclusive.
int Rand(int a, int b);
// Uniform real in [min(a, b), max(a, b)).
float Rnd(float a, float b);
