// Headless harness over the real start-up and main loop.
#include "tests/harness.h"
#include <gtest/gtest.h>
#include <cstdio>
#include "engine/gfx.h"
#include "engine/headless_platform.h"
#include "engine/platform.h"
#include "gui/modal.h"
#include "shell/log.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "play/ingame_frame.h"
#include "play/match.h"

namespace {
Harness* g_current = nullptr;
void Capture(const std::string& line) {
    if (g_current) g_current->log.push_back(line);
}
}  // namespace

Harness::Harness(uint32_t seed, const std::string& script, int frame_ms) {
    g_current = this;
    Log_SetHook(Capture);
    Log_SetQuiet(true);
    options.headless = true;
    options.seed_given = true;
    options.seed = seed;
    options.frame_ms = frame_ms;
    // Settings files go to a folder of the test run, never the player's own.
    // One folder per test: ctest runs tests in parallel processes.
    const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
    options.save_dir = ::testing::TempDir() + "orbivale_harness_" + (t ? t->name() : "none");
    std::remove((options.save_dir + "/config.txt").c_str());
    std::remove((options.save_dir + "/config.bin").c_str());
    Headless_Config hc;
    hc.frame_ms = frame_ms;
    hc.script = Script_Parse(script);
    Platform_Set(Headless_CreatePlatform(hc));
    booted = App_Boot(options);
}

Harness::~Harness() {
    App_Shutdown();
    Platform_Set(nullptr);
    Log_SetHook(nullptr);
    Log_SetQuiet(false);
    g_current = nullptr;
}

void Harness::Run(int frames) { MainLoop_Run(frames); }

std::vector<uint32_t> Harness::Screen() {
    std::vector<uint32_t> pixels;
    Gfx_ReadScreen(pixels);
    return pixels;
}

void Harness::StartLevel(int level) {
    Modal_Reset(); // a first run's welcome box
    InGame_Load();
    InGame_Register();
    Match_StartAt(level);
}
