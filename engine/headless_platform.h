// The headless platform: no window; a virtual millisecond clock that only sleeps and frame
// presents advance (each frame takes exactly frame_ms); scripted input; the software renderer.
#pragma once
#include <memory>
#include <vector>
#include "engine/platform.h"
#include "engine/script.h"

struct Headless_Config {
    int frame_ms = 16;                  // virtual duration of one frame
    std::vector<Script_Event> script;   // events by frame number (frames presented so far)
};

std::unique_ptr<Platform> Headless_CreatePlatform(const Headless_Config& config);
