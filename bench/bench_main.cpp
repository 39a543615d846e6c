// The bench tool: `orbivale_bench NAME` runs one named benchmark.
#include <cstdio>
#include <string>
#include "bench/bench.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: orbivale_bench NAME [N [M]]\n");
        return 2;
    }
    std::string line = argv[1];
    for (int i = 2; i < argc; ++i)
        line += std::string(" ") + argv[i];
    return Bench_Run(line);
}
