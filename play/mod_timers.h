// Countdowns of the running modifier effects (roll-back, freeze, double and triple score,
// precision), stepped by the in-game frame only while their timer is above 0. Each takes
// the frame time in whole milliseconds and stops at 0.
#pragma once

// Roll-back: counts down and keeps every chain pearl not pushed by an insertion rolling back;
// ends at once on an empty board.
void Reverse_Step();
// Freeze: counts down; ends at once on an empty board.
void Pause_Step();
// Double and triple score count down together.
void ScoreMul_Step();
// Precision beam counts down.
void Precision_Step();
