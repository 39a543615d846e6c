// Flight of shots: trail, stepping with nearest-hit selection, the fireball's path through
// the chains, items on the way, and the gap coefficient of the diagnostic log.
#include "chain/shot.h"
#include <cmath>
#include <cstdio>
#include <string>
#include "chain/path.h"
#include "chain/piece.h"
#include "play/fx_calls.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/random.h"

Shot_Hooks_Table Shot_Hooks;

namespace {
constexpr double DEG = M_PI / 180.0;

double Dir_Deg(double fx, double fy, double tx, double ty) {
    double a = std::atan2(ty - fy, tx - fx) / DEG;
    return a < 0 ? a + 360 : a;
}

double Norm360(double a) {
    a = std::fmod(a, 360.0);
    return a < 0 ? a + 360 : a;
}

int Sign(double v) {
    return (v > 0) - (v < 0);
}

void Trail(const Piece* shot) {
    if (shot->color == PC_FIREBALL) {
        FX_FireballTrail(shot->x, shot->y);
        return;
    }
    for (int k = 0; k < 2; ++k) {
        float ox = Rnd(-SHOT_TRAIL_SPREAD, SHOT_TRAIL_SPREAD);
        float oy = Rnd(-SHOT_TRAIL_SPREAD, SHOT_TRAIL_SPREAD);
        FX_ShotTrail(shot->x + ox, shot->y + oy, shot->color, k * SHOT_TRAIL_DELAY);
    }
}

// Steps the frame's distance; returns the hit pearl (a fireball: the one hit in the last step).
Piece* Fly(Piece* shot, double dist) {
    bool fireball = shot->state & PCS_FIREBALL;
    double cx = std::cos(shot->angle * DEG), cy = std::sin(shot->angle * DEG);
    Piece* hit = nullptr;
    while (dist > 0) {
        double step = dist < 1 ? dist : 1;
        dist -= step;
        shot->x += static_cast<float>(cx * step);
        shot->y += static_cast<float>(cy * step);
        hit = Shot_Nearest_Hit(shot);
        if (hit && !fireball) break;
    }
    return hit;
}

struct Walk_Entry {
    Piece* pc;
    int id;
};
Walk_Entry g_walk[PIECES_MAX];
} // namespace

int Piece::Hit_Test(const Piece* other) const {
    double dx = other->x - x, dy = other->y - y;
    double r = radius + other->radius;
    return std::trunc(dx * dx + dy * dy) <= r * r ? 1 : 0;
}

Piece* Shot_Nearest_Hit(const Piece* shot) {
    Piece* best = nullptr;
    double best_d = 0;
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next) {
        if (pc->move_state != 0 || (pc->state & (PCS_HOLE_MARK | PCS_FREE_RUN))) continue;
        if (!shot->Hit_Test(pc)) continue;
        double dx = pc->x - shot->x, dy = pc->y - shot->y, d = dx * dx + dy * dy;
        if (!best || d < best_d) best = pc, best_d = d;
    }
    return best;
}

void Piece::Move_Free() {
    Trail(this);
    if (!IsVisible()) {
        Destroy(0, color, 0, 0);
        return;
    }
    spd = spd_free_move * (PcModPrecisionCnt > 0 ? 2 : 1);
    Piece* hit = Fly(this, spd * FrameDt);
    moved_on_frame = std::hypot(x - x_old, y - y_old);
    if (hit && (state & PCS_FIREBALL)) {
        if (hit->color != PC_PUSHER) hit->Remove_By_Set(0);
        hit = nullptr;
    }
    if (hit) {
        Shot_Begin_Insert(this, hit);
        return;
    }
    if (Shot_Hooks.item_hit && Shot_Hooks.item_hit(this)) {
        if (!(state & PCS_FIREBALL)) Destroy(1, color, 0, 1);
        return;
    }
    Check_Passed_Gap();
    Animate_Moving();
}

void Piece::Check_Passed_Gap() {
    for (int i = 0; i < Paths.count; ++i) {
        const Path& path = Paths.pool[i];
        if (path.total_length <= 0) continue;
        for (const Piece* a = path.last_pc; a; a = a->pc_prev) {
            const Piece* b = a->pc_prev;
            if (!(a->state & PCS_LEADER) || !b) continue;
            double d_now = Norm360(Dir_Deg(x, y, a->x_old, a->y_old) - Dir_Deg(x, y, b->x_old, b->y_old));
            double d_old = Norm360(Dir_Deg(x_old, y_old, a->x_old, a->y_old) -
                                   Dir_Deg(x_old, y_old, b->x_old, b->y_old));
            if (Sign(d_now - 180) == Sign(d_old - 180)) continue;
            int p = static_cast<int>(100 * (path.total_length - a->Compute_Dist_On_Bezier(b, 0)) /
                                     path.total_length);
            gap_coef += 10.0f * p / 100;
            char b_txt[32];
            std::snprintf(b_txt, sizeof b_txt, "%g", gap_coef);
            Log_Line(std::string("gap, coef=") + b_txt);
        }
    }
}

void Shots_Update() {
    if (Dev_Stop) return;
    // The walk works on a copy: a shot's match or a fireball may remove any pearl of the list,
    // and a removed pearl's slot may be taken again by a new placeholder in the same walk.
    int n = 0;
    for (Piece* pc = Pieces.list_first; pc && n < PIECES_MAX; pc = pc->list_next)
        if (pc->color == PC_FLAME_ORB || pc->move_state == 1 || pc->move_state == 3)
            g_walk[n++] = {pc, pc->id};
    for (int i = 0; i < n; ++i) {
        Piece* pc = g_walk[i].pc;
        if (!pc->alive || !pc->listed || pc->id != g_walk[i].id) continue;
        if (pc->color == PC_FLAME_ORB) {
            if (Shot_Hooks.flame_orb_update) Shot_Hooks.flame_orb_update(pc);
        } else if (pc->move_state == 1) {
            pc->Move_Free();
        } else if (pc->move_state == 3) {
            pc->Move_Insert();
        }
    }
}
