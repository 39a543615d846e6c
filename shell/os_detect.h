// The operating-system report of the start-up log line.
#pragma once
#include <string>

extern int OsPlatformCode, OsVersionCode;
extern std::string OsPlatformName, OsVersionName;

// Fills the four values: the system's name (e.g. "Linux") and its kernel release.
void Os_Detect();
// "OS platform: " + platform + " version:" + version.
std::string Os_StartupLine();
