// Every named benchmark's entry point (each prints its figures and returns an exit code).
#pragma once

// Draws 300 pearl-sized and 10 000 particle-sized sprites per frame on each renderer.
int Bench_Draw();
// Chain simulation: track load time, frame cost with 300 pearls on two tracks, sample-table memory,
// and the heaviest power-up moment (area bomb, hammer smash and stardust in one frame).
int Bench_Chain();
// Effects and weather: the heaviest scene of play on each renderer, simulation and submission costs.
int Bench_Fx();
