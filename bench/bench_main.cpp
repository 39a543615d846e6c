// The bench tool: `orbivale_bench NAME` runs one named benchmark.
#include <cstdio>
#include "bench/bench.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: orbivale_bench NAME\n");
        return 2;
    }
    return Bench_Run(argv[1]);
}
