// Named benchmarks that print their figures to standard output.
#pragma once
#include <string>

// Runs benchmark `name`; returns the exit code (2 for an unknown name).
int Bench_Run(const std::string& name);
