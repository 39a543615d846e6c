// Frame timing: FrameTime / FrameDt from the millisecond clock, clamped to 200 ms.
#pragma once

// Called once per frame right after presenting.
void Timing_Update();
// Restarts frame timing: FrameTime 16 ms until the next real measurement.
void Timing_Reset();
