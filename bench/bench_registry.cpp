// The table of named benchmarks.
#include <cstdio>
#include "bench/bench.h"

int Bench_Run(const std::string& name) {
    std::fprintf(stderr, "unknown benchmark: %s\n", name.c_str());
    return 2;
}
