// Captures the game's log lines in a test: Log_Capture_Start in SetUp (clears the lines,
// silences standard output), Log_Capture_Stop in TearDown.
#pragma once
#include <string>
#include <vector>
#include "shell/log.h"

// The lines logged since the last Log_Capture_Start.
inline std::vector<std::string> g_log;

inline void Log_Capture_Start() {
    g_log.clear();
    Log_SetHook([](const std::string& line) { g_log.push_back(line); });
    Log_SetQuiet(true);
}

inline void Log_Capture_Stop() {
    Log_SetHook(nullptr);
    Log_SetQuiet(false);
}
