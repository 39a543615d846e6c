// Main loop, screen states, suspension, timing and quitting, through the headless harness.
#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include "engine/headless_platform.h"
#include "engine/input.h"
#include "engine/platform.h"
#include "shell/app_hooks.h"
#include "shell/app_state.h"
#include "shell/options.h"
#include "shell/random.h"
#include "shell/screen.h"
#include "shell/timing.h"
#include "tests/harness.h"

namespace {
struct Timing_Fixture : ::testing::Test {
    void SetUp() override {
        Platform_Set(Headless_CreatePlatform({}));
        App_StateReset();
    }
    void TearDown() override { Platform_Set(nullptr); }
    void Advance(int ms) { Platform_Get()->Sleep_Ms(ms); }
};
}  // namespace

TEST_F(Timing_Fixture, FirstUpdateOnlyRestartsTimingAt16Ms) {
    Advance(500);
    Timing_Update();
    EXPECT_FLOAT_EQ(FrameTime, 16);
    EXPECT_FLOAT_EQ(FrameDt, 0.016f);
    EXPECT_EQ(TimingReset, 0);
    Advance(20);
    Timing_Update();
    EXPECT_FLOAT_EQ(FrameTime, 20);
    EXPECT_EQ(InstFps, 50);
}

TEST_F(Timing_Fixture, ZeroMsFrameKeepsTheFrameRates) {
    Timing_Update();
    LevelFrameCounter = 10;
    Advance(25);
    Timing_Update();
    ASSERT_EQ(InstFps, 40);
    int avg = AvgFps;
    Timing_Update();
    EXPECT_FLOAT_EQ(FrameTime, 0);
    EXPECT_EQ(InstFps, 40);
    EXPECT_EQ(AvgFps, avg);
}

TEST_F(Timing_Fixture, StallIsClampedTo200Ms) {
    Timing_Update();
    Advance(5000);
    Timing_Update();
    EXPECT_FLOAT_EQ(FrameTime, 200);
    EXPECT_FLOAT_EQ(FrameDt, 0.2f);
}

TEST(ShellTest, HeadlessFramesAdvanceByTheFixedFrameTime) {
    Harness h(1, "", 20);
    ASSERT_TRUE(h.booted);
    h.Run(5);
    EXPECT_EQ(FrameCounter, 5);
    EXPECT_FLOAT_EQ(FrameTime, 20);
    EXPECT_EQ(ScreenState, 0);
}

// Script events of frame N arrive once N frames have been presented, so the quit check at the
// end of that frame's iteration already sees them.
TEST(ShellTest, CtrlEscapeQuitsButEscapeAloneDoesNot) {
    Harness h(1, "2 key_down 27\n4 key_down 162\n");
    h.Run(3);
    EXPECT_EQ(QuitRequested, 0);
    h.Run(10);
    EXPECT_EQ(QuitRequested, 1);
    EXPECT_EQ(FrameCounter, 4);
}

TEST(ShellTest, CloseBoxQuits) {
    Harness h(1, "3 close\n");
    h.Run(100);
    EXPECT_EQ(FrameCounter, 3);
}

TEST(ShellTest, CtrlISetsDebugModeForTheRestOfTheRun) {
    Harness h(1, "1 key_down 162\n1 key 73\n3 key_up 162\n");
    h.Run(2);
    EXPECT_EQ(DebugMode, 1);
    h.Run(5);
    EXPECT_EQ(DebugMode, 1);
}

TEST(ShellTest, MinimisingSuspendsIntoState8AndRestoringReturns) {
    Harness h(1, "2 minimise\n6 restore\n");
    WindowedMode = 1;
    Screen_Register(1, {nullptr, nullptr, nullptr});
    ScreenState = 1;
    h.Run(3);
    EXPECT_EQ(ScreenState, 8);
    EXPECT_EQ(SuspendMode, 1);
    EXPECT_EQ(SavedScreenState, 1);
    h.Run(4);
    EXPECT_EQ(ScreenState, 1);
    EXPECT_EQ(SuspendMode, 0);
}

TEST(ShellTest, FocusLossInAVisibleWindowKeepsTheScreen) {
    Harness h(1, "2 focus_lost\n5 focus_gained\n");
    WindowedMode = 1;
    ScreenState = 1;
    h.Run(3);
    EXPECT_EQ(ScreenState, 1);
    EXPECT_EQ(SuspendMode, 2);
    h.Run(3);
    EXPECT_EQ(SuspendMode, 0);
}

TEST(ShellTest, FocusLossInFullScreenSuspendsIntoState8) {
    Harness h(1, "2 focus_lost\n");
    WindowedMode = 0;
    h.Run(3);
    EXPECT_EQ(ScreenState, 8);
    EXPECT_EQ(SuspendMode, 1);
}

namespace {
int g_saved_mode = -1;
void Remember_Mode(int windowed) { g_saved_mode = windowed; }
}  // namespace

TEST(ShellTest, MaximisingTheWindowSwitchesToFullScreenAndStoresIt) {
    Harness h(1, "2 maximise\n");
    WindowedMode = 1;
    App_GetHooks().window_mode_saved = Remember_Mode;
    h.Run(3);
    App_GetHooks().window_mode_saved = nullptr;
    EXPECT_EQ(WindowedMode, 0);
    EXPECT_EQ(g_saved_mode, 0);
}

namespace {
std::string g_steps;
void Enter1() { g_steps += "enter1 "; }
void Leave1() { g_steps += "leave1 "; }
}  // namespace

TEST(ShellTest, SettingTheCurrentScreenRunsLeaveThenEnter) {
    Harness h;
    Screen_Register(1, {Enter1, Leave1, nullptr});
    g_steps.clear();
    Screen_Set(1);
    Screen_Set(1);
    EXPECT_EQ(g_steps, "enter1 leave1 enter1 ");
    EXPECT_EQ(ScreenState, 1);
}

TEST(ShellTest, SameSeedGivesTheSameRandomSequence) {
    Rand_Seed(42);
    int a[5];
    for (int& v : a) v = Rand(0, 1000);
    Rand_Seed(42);
    for (int v : a) EXPECT_EQ(Rand(0, 1000), v);
    for (int i = 0; i < 200; ++i) {
        float r = Rnd(2, 1);
        EXPECT_GE(r, 1);
        EXPECT_LT(r, 2);
    }
}

TEST(OptionsTest, CommandLineCases) {
    struct Case {
        std::vector<const char*> args;
        bool ok;
    };
    const Case cases[] = {
        {{"--headless", "--frames", "120", "--screenshot", "a.png@30"}, true},
        {{"--seed", "7", "--frame-ms", "10", "--windowed"}, true},
        {{"--frames"}, false},
        {{"--frames", "x"}, false},
        {{"--level", "149"}, false},
        {{"--bogus"}, false},
    };
    for (const Case& c : cases) {
        std::vector<char*> argv = {const_cast<char*>("orbivale")};
        for (const char* a : c.args) argv.push_back(const_cast<char*>(a));
        App_Options o;
        std::string err;
        EXPECT_EQ(Options_Parse(static_cast<int>(argv.size()), argv.data(), o, err), c.ok) << c.args[0];
    }
    App_Options o;
    std::string err;
    const char* argv[] = {"orbivale", "--screenshot", "shot.png@30"};
    ASSERT_TRUE(Options_Parse(3, const_cast<char**>(argv), o, err));
    EXPECT_EQ(o.screenshot, "shot.png");
    EXPECT_EQ(o.screenshot_frame, 30);
}
