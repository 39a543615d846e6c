// The SDL2 platform: a real window with an OpenGL context and renderer, SDL events mapped
// onto virtual-key numbers, the SDL millisecond clock. Null when no display can be opened.
#pragma once
#include <memory>
#include "engine/platform.h"

std::unique_ptr<Platform> Sdl_CreatePlatform();
