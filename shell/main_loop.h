// The main loop: one frame per iteration until QuitRequested (or a frame limit).
#pragma once

// One iteration: suspension, pointer, dialog update, screen frame, debug overlay, dialog
// draw, present, timing, quit and maximise checks.
void MainLoop_Iteration();
// Iterates until QuitRequested, or until max_frames frames were presented (-1: no limit).
// after_frame, when set, runs after every presented frame (screenshots).
void MainLoop_Run(int max_frames, void (*after_frame)() = nullptr);
// Suspend handling of one iteration (exposed for tests).
void MainLoop_Suspend();
