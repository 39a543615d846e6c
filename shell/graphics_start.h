// Opening and re-opening the screen, and the windowed / full-screen switch.
#pragma once

// Opens (or re-opens) the 800 x 600 screen: full screen at 32 bits and 60 Hz unless
// WindowedMode, falling back to a window without frame limiter. False when neither opens
// (the message box has been shown).
bool Graphics_Start();
// Flips WindowedMode, re-opens the screen, reloads the fonts and stores WINDOWED_MODE.
void Window_ToggleMode();

// The message shown when no screen can be opened.
extern const char* const kScreenFailedText;
