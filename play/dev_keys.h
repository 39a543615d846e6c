// Developer keys of the in-game screen, read at the end of its draw phase: the win shortcut
// Ctrl+N+W always, and in debug mode (Ctrl+I) the overlays, the freeze and stop switches,
// modifier timers, score, lives and the lose shortcuts.
#pragma once

// Checks the keys of this frame and applies the first that matches.
void DevKeys_Run();
// Gauge emptied, every track's chain links cleared, then the win check.
void Dev_WinNow();
