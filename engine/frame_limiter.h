// The window frame limiter: frames of 1000 / hertz whole milliseconds with the remainder
// spread one extra millisecond at a time (60 Hz: 16 ms, and 17 ms on 40 of every 60 frames).
// Late frames move the due time to now instead of bursting to catch up.
#pragma once
#include <cstdint>

struct Frame_Limiter {
    bool armed = false;
    int period = 0;    // whole milliseconds of a frame
    int remainder = 0; // 1000 - period x hertz: extra milliseconds per hertz frames
    int hertz = 0;
    int spread = 0;   // Bresenham accumulator of the remainder
    uint32_t due = 0; // clock value the current frame is due at

    // Arms the limiter for hertz > 0 starting at clock now; hertz <= 0 disarms it.
    void Arm(int hz, uint32_t now);
    // Advances the due time by one frame; returns the milliseconds to sleep (0 when late, in
    // which case the due time becomes now).
    int Next_Wait(uint32_t now);
};
