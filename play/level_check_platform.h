// The level checker's platform: no window, no input of its own, a virtual clock that every
// frame advances by the fixed frame time, and a renderer that discards what it is given, so
// a level plays as fast as its simulation runs.
#pragma once
#include <memory>
#include "engine/platform.h"

// A new checker platform; each presented frame takes frame_ms of virtual time.
std::unique_ptr<Platform> LevelCheck_CreatePlatform(int frame_ms);
