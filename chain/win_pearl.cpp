// Pearls that leave the hole on their own: the alarm pearl and the win pearl.
#include <cmath>
#include "chain/alarm.h"
#include "chain/path.h"
#include "chain/piece.h"

namespace {
constexpr float WIN_PC_START = 0.01f;    // alpha and scale of a win pearl as it appears
constexpr float WIN_PC_SCALE_IN = 0.55f; // scale it grows to while it rises from the hole

// A free-running pearl of colour c on the track's last point, heading back toward the start.
Piece* Hole_Pearl_Create(Path& path, int c) {
    if (path.pts_count < 2) return nullptr;
    const PPoint& last = path.pts[path.pts_count - 1];
    Piece* pc = Piece::Create(c, static_cast<int>(last.x), static_cast<int>(last.y), last.z, 0);
    if (!pc) return nullptr;
    pc->path_id = path.id;
    pc->pt_crt = pc->pt_crt_old = path.pts_count - 1;
    pc->t = 1;
    pc->move_left_next_pt = pc->move_next_pt = std::hypot(last.x - pc->x, last.y - pc->y);
    pc->bz_dist = pc->bz_dist_old = path.Seg_Length(path.pts_count - 2);
    pc->burst_id = path.burst_id;
    pc->accel = ALARM_PC_ACCEL;
    pc->state |= PCS_HOLE_MARK | PCS_FREE_RUN;
    return pc;
}
} // namespace

void Path::Alarm_Pc_Create() {
    Piece* pc = Hole_Pearl_Create(*this, PC_ALARM);
    if (!pc) return;
    alarm_pc = pc;
    alarm_pc_id = pc->id;
    alarm_pc_alpha = 0;
    pc->alpha = 0;
}

void Path::Win_Pc_Create() {
    Piece* pc = Hole_Pearl_Create(*this, PC_WIN);
    if (!pc) return;
    pc->segm_dir = SEGM_BACK;
    pc->Hole_Enter();
    pc->in_hole_alpha = pc->in_hole_scale = WIN_PC_START;
    pc->in_hole_scale_in = WIN_PC_SCALE_IN;
    pc->alpha = pc->scale = WIN_PC_START;
    pc->data1 = 0;
    win_pc = pc;
    win_pc_id = pc->id;
}
