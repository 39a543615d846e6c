// Pearls that a hammer smash or a star burst removes when its animation ends. With the effects
// installed the effect objects do that themselves; without them the removal waits here for the
// length of that animation, so the board plays the same with or without effects.
#pragma once

struct Piece;

constexpr int TARGET_REMOVALS_MAX = 1024;  // removals waiting at once
constexpr int SMASH_REMOVE_MS = 1000;      // hammer smash: from its start to its last frame
constexpr int STAR_BURST_REMOVE_MS = 1140; // star burst likewise

// Everything waiting is dropped (level start).
void Target_Removal_Reset();
// pc goes after delay_ms: mode 1 by Remove_By_Set(0) (its modifier fires as matched), mode 0 by
// Destroy(1, its colour, 0, 0); a match sound plays. Dropped with a log line when full.
void Target_Removal_Add(Piece* pc, int mode, int delay_ms);
// Counts the waits down by the frame time and removes the pearls whose time is up. A pearl
// that has gone meanwhile (same slot, other id) is left alone.
void Target_Removal_Update();
// Removals still waiting.
int Target_Removal_Pending();
