// Flame orb launch, movement and burning.
#include "play/flame_orb.h"
#include <algorithm>
#include <cmath>
#include "chain/path.h"
#include "chain/piece.h"
#include "engine/sound.h"
#include "play/fx_calls.h"
#include "shell/app_state.h"

namespace {
constexpr float GROW_ALPHA_RATE = 3; // alpha per second while growing out of the hole
constexpr float GROW_SCALE_RATE = 1; // scale per second likewise
constexpr float BURN_REACH = 1.5f;   // along-track reach in sums of radii

// The orb grows out of the hole on its own: it never takes the track's sinking-pearl place,
// so the chain's own hole state is not disturbed.
void Grow(Piece* orb) {
    orb->in_hole_alpha = std::min(1.0f, orb->in_hole_alpha + GROW_ALPHA_RATE * FrameDt);
    orb->in_hole_scale = std::min(orb->in_hole_scale_in, orb->in_hole_scale + GROW_SCALE_RATE * FrameDt);
    orb->alpha = orb->in_hole_alpha;
    orb->scale = orb->in_hole_scale;
    if (orb->alpha >= 1 && orb->scale >= orb->in_hole_scale_in) orb->state &= ~PCS_IN_HOLE;
}

bool Burns(const Piece* orb, const Piece* pc) {
    if (!orb->Hit_Test(pc)) return false;
    return std::abs(orb->Compute_Dist_On_Bezier(pc, 0)) < BURN_REACH * (orb->radius + pc->radius);
}

// First pearl of the chain the orb burns now, else null.
Piece* Next_Victim(const Piece* orb, const Path* path) {
    for (Piece* pc = path->first_pc; pc; pc = pc->pc_next)
        if (Burns(orb, pc)) return pc;
    return nullptr;
}

void Burn(Piece* orb) {
    Path* path = orb->Get_Path();
    if (!path) return;
    // Each burn may set off a modifier that removes other pearls, so the scan starts again
    // from the front after every burnt pearl.
    // A modifier may also remove the orb itself: its id tells whether it is still the same.
    const int orb_id = orb->id;
    while (orb->rev_clear_bodycount < FLAME_ORB_BURNS) {
        Piece* pc = Next_Victim(orb, path);
        if (!pc) break;
        bool stop = pc->color == PC_PUSHER || (pc->pc_next && pc->pc_next->color == PC_PUSHER);
        float px = pc->x, py = pc->y;
        pc->Remove_By_Set(0);
        Sfx_PlayMatch(px, py);
        if (!orb->alive || orb->id != orb_id) return;
        orb->rev_clear_bodycount += 1;
        orb->scale -= FLAME_ORB_BURN_SHRINK;
        if (stop) {
            orb->Die_Quietly();
            return;
        }
    }
    if (orb->rev_clear_bodycount >= FLAME_ORB_BURNS) orb->Die_Quietly();
}
} // namespace

Piece* FlameOrb_Launch(Path* path) {
    if (!path || path->pts_count < 2) return nullptr;
    int last = path->pts_count - 1;
    const PPoint& end = path->pts[last];
    Piece* orb = Piece::Create(PC_FLAME_ORB, static_cast<int>(end.x), static_cast<int>(end.y), end.z, 0);
    if (!orb) return nullptr;
    orb->path_id = path->id;
    orb->pt_crt = orb->pt_crt_old = last;
    orb->t = BZ_T_LAST;
    orb->burst_id = path->burst_id;
    orb->rev_clear_bodycount = 0;
    orb->accel = FLAME_ORB_ACCEL;
    orb->segm_dir = orb->segm_dir_old = SEGM_BACK;
    orb->Move_OnPathBzSmpl_FallingBack(0); // onto the last sample, heading from the samples
    orb->move_left_next_pt = orb->move_next_pt = std::hypot(end.x - orb->x, end.y - orb->y);
    orb->state |= PCS_HOLE_MARK | PCS_FREE_RUN | PCS_IN_HOLE;
    orb->in_hole_alpha = 0.01f;
    orb->in_hole_scale = 0.01f;
    orb->in_hole_scale_in = FLAME_ORB_SCALE;
    orb->alpha = 0.01f;
    orb->scale = 0.01f;
    return orb;
}

void FlameOrb_Update(Piece* orb) {
    FX_FlameTrail(orb->x, orb->y);
    orb->Accelerate(FLAME_ORB_SPEED);
    if (orb->state & PCS_IN_HOLE)
        Grow(orb);
    else if (!orb->Move_OnPathBzSmpl_FallingBack(orb->spd * FrameDt))
        return; // ran off the start of its track and went out
    if (orb->alive) Burn(orb);
}
