// Process-wide shell values and their start values.
#include "shell/app_state.h"

int ScreenState, SavedScreenState, SuspendMode, QuitRequested, WindowedMode, FirstRun, DebugMode;
int FrameCounter, LevelFrameCounter, InstFps, AvgFps, TimingReset;
float FrameTime, FrameDt, TotalFrameTime;
std::string LanguageSuffix, GameTitle;
std::string AssetPrefix = "incbin::";

void App_StateReset() {
    ScreenState = -1;
    SavedScreenState = 0;
    SuspendMode = 0;
    QuitRequested = 0;
    WindowedMode = 1;
    FirstRun = 0;
    DebugMode = 0;
    FrameCounter = 0;
    LevelFrameCounter = 0;
    InstFps = AvgFps = 0;
    TimingReset = 1;
    FrameTime = 16;
    FrameDt = 0.016f;
    TotalFrameTime = 0;
    LanguageSuffix = Edition == 0 ? "" : "_german";
    GameTitle = Edition == 0 ? "Orbivale" : "Vitrelle";
}
