// Frame time measurement.
#include "shell/timing.h"
#include "engine/platform.h"
#include "shell/app_state.h"

namespace {
uint32_t g_last_clock = 0;

uint32_t Now() {
    Platform* p = Platform_Get();
    return p ? p->Millisecs() : 0;
}
}  // namespace

void Timing_Reset() {
    g_last_clock = Now();
    FrameTime = 16;
    FrameDt = 0.016f;
}

void Timing_Update() {
    if (TimingReset == 1) {
        Timing_Reset();
        TimingReset = 0;
        return;
    }
    uint32_t now = Now();
    FrameTime = static_cast<float>(now - g_last_clock);
    if (!(FrameTime <= 200)) FrameTime = 200;
    FrameDt = FrameTime / 1000;
    TotalFrameTime += FrameTime;
    g_last_clock = now;
    if (FrameTime != 0) {
        InstFps = static_cast<int>(1000 / FrameTime);
        if (TotalFrameTime > 0) AvgFps = static_cast<int>(LevelFrameCounter * 1000.0f / TotalFrameTime);
    }
}
