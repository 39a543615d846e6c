// The headless harness: boots the whole game in-process on the headless platform with a
// seed and a script, runs frames, and lets a test inspect state or the frame buffer.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "shell/options.h"

struct Harness {
    // save_dir: the settings folder to boot with (default: a fresh one of the running test).
    explicit Harness(uint32_t seed = 1, const std::string& script = "", int frame_ms = 16,
                     const std::string& save_dir = "");
    ~Harness();
    bool booted = false;
    App_Options options;
    // Runs n main-loop iterations (fewer when the game quits).
    void Run(int frames);
    // Loads and registers the in-game screen and starts a new match at level: the level is
    // running with its ready box open.
    void StartLevel(int level);
    // The current frame buffer, 800 x 600 ARGB.
    std::vector<uint32_t> Screen();
    // Lines the game logged since the harness started.
    std::vector<std::string> log;
};
