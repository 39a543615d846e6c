// Process entry: the game with the SDL/OpenGL platform and the benchmarks available.
#include "bench/bench.h"
#include "engine/sdl/sdl_platform.h"
#include "shell/app.h"

int main(int argc, char** argv) { return App_Main(argc, argv, Sdl_CreatePlatform, Bench_Run); }
