// The start-up sequence: brings every subsystem up in its fixed order.
#pragma once
#include "shell/options.h"

// Runs start-up steps 1 to 17 on the current platform; false when the screen can't be
// opened (the message has been shown). Safe to call again after App_Shutdown (tests).
bool App_Boot(const App_Options& options);
// Releases what App_Boot made (tests boot the game many times in one process).
void App_Shutdown();
