// Every named benchmark's entry point (each prints its figures and returns an exit code).
#pragma once

// Draws 300 pearl-sized and 10 000 particle-sized sprites per frame on each renderer.
int Bench_Draw();
// Chain simulation: track load time, frame cost with 300 pearls on two tracks, sample-table memory,
// and the heaviest power-up moment (area bomb, hammer smash and stardust in one frame).
int Bench_Chain();
// A level played by the built-in player in an OpenGL window, limiter off: frame times, draw
// calls, texture uploads during play and the matched floor workload (level 1.., frames).
int Bench_GlLevel(int level, int frames);
// Exec to the first menu frame in an OpenGL window, with and without the fixed logo waits.
int Bench_GlStart(int, int);
// Software against OpenGL pictures of a shrinking pearl and an unscaled board.
int Bench_GlCompare();
// Effects and weather: the heaviest scene of play on each renderer, simulation and submission costs.
int Bench_Fx();
