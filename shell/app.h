// The game's entry: command line, start-up sequence, main loop. main() only picks the
// platform factory (the SDL back end lives outside the core library).
#pragma once
#include <memory>
#include <string>
#include "engine/platform.h"

using Platform_Factory = std::unique_ptr<Platform> (*)();
using Bench_Runner = int (*)(const std::string& name);

// Runs the game with the given command line; returns the process exit code. sdl_factory
// makes the windowed platform (null: headless only); bench runs `--bench NAME`.
int App_Main(int argc, char** argv, Platform_Factory sdl_factory, Bench_Runner bench);
