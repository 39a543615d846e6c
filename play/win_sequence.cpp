// Win check and win sequence.
#include "play/win_sequence.h"
#include <algorithm>
#include "chain/chain_hooks.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "engine/sound.h"
#include "play/ingame_dialogs.h"
#include "play/ingame_steps.h"
#include "play/level_state.h"
#include "play/score.h"
#include "shell/app_state.h"

namespace {
constexpr double kArriveSlack = 1e-3; // units

// Arc length from the start of the track to (segment seg, parameter t).
double Arc_At(const Path& path, int seg, float t) {
    if (path.Segments() <= 0) return 0;
    double d = 0;
    for (int s = 0; s < seg && s < path.Segments(); ++s)
        d += path.Seg_Length(s);
    const Bz_Samples& table = path.Table(seg);
    return d + table.Sample(Sample_Index(t)).dist_tot;
}

// The win pearl climbs out of the hole; without a hole step installed it is out at once.
void Hole_Climb(Path& path, Piece* pc) {
    if (Chain_Hooks.Hole_Move) {
        Chain_Hooks.Hole_Move(pc);
        return;
    }
    pc->state &= ~PCS_IN_HOLE;
    if (path.hole_pc == pc) {
        path.hole_pc = nullptr;
        path.hole_pc_id = -1;
    }
    pc->scale = pc->in_hole_scale = pc->in_hole_scale_in;
    pc->alpha = pc->in_hole_alpha = 1;
}

// The pearl has come back to the front pearl's last place: it bursts and scores its run.
void Arrive(Path& path, Piece* pc) {
    Step_Run(InGame_Steps.fx_win_burst, pc->x, pc->y);
    int points = static_cast<int>(pc->data1 * 1.0f);
    pc->Die_Quietly();
    path.win_pc = nullptr;
    path.win_pc_id = -1;
    Score_Add(points, 1);
}

// One frame of one win pearl. Its backward move is cut short at the target, so a fast frame
// can neither jump over the target nor carry the pearl off the start of the track.
void Win_Pc_Step(Path& path, Piece* pc) {
    Step_Run(InGame_Steps.fx_win_sparkle, pc->x, pc->y);
    pc->Accelerate(WIN_PC_SPEED);
    if (pc->state & PCS_IN_HOLE) {
        Hole_Climb(path, pc);
        return;
    }
    double here = Arc_At(path, pc->pt_crt - 1, pc->t);
    double target = Arc_At(path, path.first_pc_pt - 1, path.first_pc_t);
    double d = pc->spd * FrameDt;
    bool arrives = here - d <= target;
    // Stop a hair short of the target so rounding never takes the pearl past the track start.
    if (arrives) d = std::max(0.0, here - target - kArriveSlack);
    if (d > 0 && pc->Move_OnPathBzSmpl_FallingBack(d)) pc->data1 += pc->moved_on_frame;
    if (arrives) Arrive(path, pc);
}
} // namespace

void Win_Check() {
    if (Losing == 1 || Winning == 1) return;
    if (WinPoints < 1 && Paths_Empty()) Win_Begin();
}

void Win_Begin() {
    Winning = 1;
    Sfx_PlayAt(kSfxLevelWin, ScreenCenterX);
    for (int i = 0; i < Paths.count; ++i)
        Step_Run(InGame_Steps.win_pc_create, &Paths.pool[i]);
}

void Win_Step() {
    Step_Run(InGame_Steps.fx_update);
    bool any = false;
    for (int i = 0; i < Paths.count; ++i) {
        Path& path = Paths.pool[i];
        if (!path.win_pc) continue;
        Win_Pc_Step(path, path.win_pc);
        if (path.win_pc) any = true;
    }
    if (!any) Step_Run(InGame_Dialogs.open_level_complete);
}
