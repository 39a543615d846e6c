// The end of a won level: the win check at the end of every normal update, and the win
// sequence in which a win pearl rolls from every hole back to where the chain's front last
// was, scoring the distance it travelled, before the level-complete dialog opens.
#pragma once

constexpr float WIN_PC_SPEED = 600; // units/s the win pearls accelerate to

// Gauge full (WinPoints < 1) and no pearl on any track: the win sequence starts.
void Win_Check();
// Starts the win sequence: Winning = 1, the win sound, a win pearl on every track.
void Win_Begin();
// One frame of the win sequence.
void Win_Step();
