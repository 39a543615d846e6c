#include "engine/sdl/sdl_platform.h"

std::unique_ptr<Platform> Sdl_CreatePlatform() { return nullptr; }
