// Modifier countdowns.
#include "play/mod_timers.h"
#include <algorithm>
#include "chain/path.h"
#include "chain/piece.h"
#include "play/level_state.h"
#include "shell/app_state.h"

namespace {
// A countdown stops at 0: the chain treats any non-zero freeze or roll-back timer as running,
// so one that overshot below 0 would never end.
void Count_Down(int& timer) {
    timer = std::max(0, timer - static_cast<int>(FrameTime));
}
} // namespace

void Reverse_Step() {
    Count_Down(PcModReverseCnt);
    for (int i = 0; i < Paths.count; ++i)
        for (Piece* pc = Paths.pool[i].first_pc; pc; pc = pc->pc_next) {
            if (pc->state & PCS_PUSHED) continue;
            pc->segm_dir = SEGM_BACK;
            pc->state &= ~PCS_SLOW;
        }
    if (PcModReverseCnt > 0 && Paths_Empty()) PcModReverseCnt = 0;
}

void Pause_Step() {
    Count_Down(PcModPauseCnt);
    if (PcModPauseCnt > 0 && Paths_Empty()) PcModPauseCnt = 0;
}

void ScoreMul_Step() {
    Count_Down(PcModScore2xCnt);
    Count_Down(PcModScore3xCnt);
}

void Precision_Step() {
    Count_Down(PcModPrecisionCnt);
}
