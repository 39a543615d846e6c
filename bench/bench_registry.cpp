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
    {"gl-compare", Bench_GlCompare},
};

// Benchmarks that take up to two numbers after their name (0 when left out).
struct Bench_Numbered {
    const char* name;
    int (*run)(int, int);
};

const Bench_Numbered kNumbered[] = {
    {"gl-level", Bench_GlLevel},
    {"gl-start", Bench_GlStart},
};
} // namespace

int Bench_Run(const std::string& line) {
    std::string name = line.substr(0, line.find(' '));
    int n[2] = {0, 0};
    if (name.size() < line.size()) std::sscanf(line.c_str() + name.size(), "%d %d", &n[0], &n[1]);
    for (const Bench_Entry& e : kBenchmarks)
        if (name == e.name) return e.run();
    for (const Bench_Numbered& e : kNumbered)
        if (name == e.name) return e.run(n[0], n[1]);
    std::fprintf(stderr, "unknown benchmark: %s\n", name.c_str());
    std::fprintf(stderr, "benchmarks:");
    for (const Bench_Entry& e : kBenchmarks)
        std::fprintf(stderr, " %s", e.name);
    for (const Bench_Numbered& e : kNumbered)
        std::fprintf(stderr, " %s [N [M]]", e.name);
    std::fprintf(stderr, "\n");
    return 2;
}
