// The chain simulation as a whole: its reset at a level start and one update in the order
// of the in-game frame, for the stand-alone view, the benchmark and the tests (the level
// play runs the same steps with its own work in between).
#pragma once

// Empties the pearl list and queue, the draw list, the track pool and the colour table.
void Chain_Reset();
// Frame bookkeeping, generation on every track, segments, movement, pushers.
void Chain_Sim_Frame();
