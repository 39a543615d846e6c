// The table of named benchmarks.
#include <cstdio>
#include <cstring>
#include "bench/bench.h"
#include "bench/bench_list.h"

namespace {
struct Bench_Entry {
    const char* name;
    int (*run)();
};

const Bench_Entry kBenchmarks[] = {
    {"draw", Bench_Draw},
    {"chain", Bench_Chain},
    {"fx", Bench_Fx},
};
} // namespace

int Bench_Run(const std::string& name) {
    for (const Bench_Entry& e : kBenchmarks)
        if (name == e.name) return e.run();
    std::fprintf(stderr, "unknown benchmark: %s\n", name.c_str());
    std::fprintf(stderr, "benchmarks:");
    for (const Bench_Entry& e : kBenchmarks)
        std::fprintf(stderr, " %s", e.name);
    std::fprintf(stderr, "\n");
    return 2;
}
