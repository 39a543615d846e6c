// Frame period arithmetic of the window frame limiter.
#include "engine/frame_limiter.h"

void Frame_Limiter::Arm(int hz, uint32_t now) {
    armed = hz > 0;
    hertz = armed ? hz : 0;
    period = armed ? 1000 / hz : 0;
    remainder = armed ? 1000 - period * hz : 0;
    spread = 0;
    due = now;
}

int Frame_Limiter::Next_Wait(uint32_t now) {
    if (!armed) return 0;
    int step = period;
    spread += remainder;
    if (spread >= hertz) {
        spread -= hertz;
        ++step;
    }
    due += static_cast<uint32_t>(step);
    int32_t ahead = static_cast<int32_t>(due - now); // wrap-safe difference
    if (ahead > 0) return ahead;
    due = now;
    return 0;
}
