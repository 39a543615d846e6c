// Process-wide values of the application shell: screen state, suspension, frame timing,
// debug switch and window mode. One instance; App_StateReset puts it back to start values.
#pragma once
#include <string>

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;
constexpr int ScreenCenterX = 400;
constexpr int ScreenCenterY = 300;

extern int ScreenState;       // -1 before the first screen; 0 menu; 1 in-game; 2 level choose; 8 suspended
extern int SavedScreenState;  // state to return to when a state-8 suspension ends
extern int SuspendMode;       // 0 running; 1 suspended with state 8; 2 suspended, window visible
extern int QuitRequested;     // 1 ends the main loop after the current frame
extern int WindowedMode;      // 1 windowed, 0 full screen
extern int FirstRun;          // 1 when the players file did not exist at start-up
extern int DebugMode;         // set by Ctrl+I, never cleared
extern int FrameCounter;      // presented frames
extern int LevelFrameCounter; // frames of the current level
extern float FrameTime;       // previous frame in ms, at most 200
extern float FrameDt;         // FrameTime / 1000, seconds
extern float TotalFrameTime;  // running sum of FrameTime
extern int InstFps, AvgFps;
extern int TimingReset;       // 1: the next Timing_Update only restarts timing

// Build-time values.
constexpr int Edition = 0;
extern std::string LanguageSuffix;  // "" for edition 0
extern std::string GameTitle;       // "Orbivale" for edition 0
// "incbin::" reads content from the embedded catalogue; "" from the content folder.
extern std::string AssetPrefix;

void App_StateReset();
