// Movement of one pearl along its track: point crossings with layer changes, arc-length
// moves forward and backward, placement behind a neighbour, acceleration, rolling animation.
#include <cmath>
#include "chain/chain_hooks.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "shell/app_state.h"

namespace {
// Changes layer to nz when it differs, right after the pearl ahead when that one is there already.
void Enter_Layer(Piece* pc, int nz) {
    nz = Clamp_Z(nz);
    if (nz == pc->z) return;
    Piece* ahead = pc->pc_prev;
    bool beside = ahead && ahead->z == nz && ahead->in_zlist;
    pc->Set_Z(nz, beside ? 1 : 0, beside ? ahead : nullptr);
}

// Puts the pearl on sample i of its current segment with the heading of its direction.
void Place_On_Sample(Piece* pc, const Bz_Samples& tab, int i, bool backward) {
    pc->x = tab.x[i];
    pc->y = tab.y[i];
    pc->bz_dist = tab.dist_tot[i];
    if (!backward && i > 0) pc->angle = Bz_Heading(tab, i - 1, i);
    if (backward && i < BZ_SAMPLES - 1) pc->angle = Bz_Heading(tab, i + 1, i);
}
} // namespace

int Piece::Go_Next_Point() {
    Path* path = Get_Path();
    if (!path) return 0;
    if (pt_crt < 0 || pt_crt >= path->pts_count) pt_crt = path->pts_count - 1;
    const PPoint& passed = path->pts[pt_crt];
    x = passed.x;
    y = passed.y;
    ++pt_crt;
    Enter_Layer(this, passed.z);
    if (pt_crt < path->pts_count) return 1;
    pt_crt = path->pts_count - 1;
    t = BZ_T_LAST;
    bz_dist = path->Table(pt_crt - 1).dist_tot[Sample_Index(t)];
    if (Chain_Hooks.Hole_Enter) Chain_Hooks.Hole_Enter(this);
    return 0;
}

int Piece::Go_Prev_Point() {
    Path* path = Get_Path();
    if (!path) return 0;
    if (pt_crt < 1 || pt_crt >= path->pts_count) pt_crt = 1;
    x = path->pts[pt_crt - 1].x;
    y = path->pts[pt_crt - 1].y;
    --pt_crt;
    if (pt_crt <= 0) return 0;
    Enter_Layer(this, path->pts[pt_crt - 1].z);
    return 1;
}

void Piece::Accelerate(float target) {
    if (spd < target) {
        spd += accel * FrameDt;
        if (spd > target) spd = target;
    } else if (spd > target) {
        spd += deccel * FrameDt;
        if (spd < target) spd = target;
    }
}

int Piece::Move_OnPathBzSmpl_Pushed(double d) {
    Path* path = Get_Path();
    if (!path) return 0;
    double moved = 0;
    double here = path->Table(pt_crt - 1).dist_tot[Sample_Index(t)];
    while (here + d > path->Seg_Length(pt_crt - 1)) {
        double rest = path->Seg_Length(pt_crt - 1) - here;
        if (!Go_Next_Point()) return 0;
        d -= rest;
        moved += rest;
        t = 0;
        here = 0;
    }
    const Bz_Samples& tab = path->Table(pt_crt - 1);
    t = static_cast<float>(FindT(tab, t, d));
    int i = Sample_Index(t);
    Place_On_Sample(this, tab, i, false);
    moved_on_frame = static_cast<float>(moved + (tab.dist_tot[i] - here));
    Animate_Moving();
    return 1;
}

int Piece::Move_OnPathBzSmpl_FallingBack(double d) {
    Path* path = Get_Path();
    if (!path) return 0;
    double moved = 0;
    double here = path->Table(pt_crt - 1).dist_tot[Sample_Index(t)];
    while (here < d) {
        if (!Go_Prev_Point()) {
            if (color == PC_FLAME_ORB || color == PC_ALARM)
                Die_Quietly();
            else
                Rev_Store(this);
            return 0;
        }
        t = BZ_T_LAST;
        d -= here;
        moved += here;
        here = path->Table(pt_crt - 1).dist_tot[Sample_Index(t)];
    }
    const Bz_Samples& tab = path->Table(pt_crt - 1);
    t = static_cast<float>(FindT(tab, t, -d));
    int i = Sample_Index(t);
    Place_On_Sample(this, tab, i, true);
    moved_on_frame = static_cast<float>(moved + (here - tab.dist_tot[i]));
    Animate_Moving();
    return 1;
}

namespace {
void Move_Tail(Piece* pc, int point, double pt, bool backward) {
    Path* path = pc->Get_Path();
    if (!path) return;
    pc->t = static_cast<float>(pt);
    while (pc->pt_crt < point)
        if (!pc->Go_Next_Point()) return;
    while (pc->pt_crt > point)
        if (!pc->Go_Prev_Point()) return;
    const Bz_Samples& tab = path->Table(pc->pt_crt - 1);
    Place_On_Sample(pc, tab, Sample_Index(pc->t), backward);
    float dx = pc->x - pc->x_old, dy = pc->y - pc->y_old;
    pc->moved_on_frame = std::sqrt(dx * dx + dy * dy);
    pc->Animate_Moving();
}
} // namespace

void Piece::Move_OnPathBzSmpl_Tail_Pushed(int point, double pt) {
    Move_Tail(this, point, pt, false);
}

void Piece::Move_OnPathBzSmpl_Tail_FallingBack(int point, double pt) {
    Move_Tail(this, point, pt, true);
}

void Piece::Animate_Moving() {
    float step = moved_on_frame;
    bool flipped = (segm_dir_old == SEGM_FORWARD && segm_dir == SEGM_BACK) ||
                   (segm_dir_old == SEGM_BACK && segm_dir == SEGM_FORWARD);
    if (flipped) state ^= PCS_ANIM_BACK;
    float count = static_cast<float>(img_count > 0 ? img_count : 1);
    if (state & PCS_ANIM_BACK) {
        img_crt -= step;
        if (static_cast<int>(img_crt) < 0) img_crt = std::fmod(img_crt, count) + count;
        if (static_cast<int>(img_crt) >= img_count) img_crt -= count;
        anim_angle = angle - 180;
    } else {
        img_crt += step;
        if (static_cast<int>(img_crt) >= img_count) img_crt = std::fmod(img_crt, count);
        anim_angle = angle;
    }
}

void Piece::Place_At_Start() {
    Path* path = Get_Path();
    if (!path) return;
    x = path->pts[0].x;
    y = path->pts[0].y;
    t = 0;
    pt_crt = pt_crt_old = 1;
    move_left_next_pt = move_next_pt = std::hypot(path->pts[1].x - x, path->pts[1].y - y);
    bz_dist = bz_dist_old = 0;
}
