// Sinking into the hole, falling through, climbing back out, and the loss it causes.
#include "chain/hole.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include "chain/chain_hooks.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "play/level_state.h"
#include "play/score.h"
#include "shell/app_state.h"
#include "shell/log.h"

namespace {
constexpr float FADE_RATE_ALONE = 3;   // alpha per second without a pearl to pace the fade
constexpr float SHRINK_RATE_ALONE = 1; // scale per second likewise

std::string Num(float v) {
    char b[32];
    std::snprintf(b, sizeof b, "%g", v);
    return b;
}

// Forward: fades and shrinks so the pearl vanishes as the one behind reaches its place.
int Sink(Piece* pc, Piece* behind) {
    float fade = FADE_RATE_ALONE, shrink = SHRINK_RATE_ALONE;
    bool paced = behind && behind->segm_id == pc->segm_id;
    if (paced) {
        double d = std::abs(pc->Compute_Dist_On_Bezier(behind, 0));
        if (d < 1e-6) d = 1e-6;
        fade = static_cast<float>(pc->spd * pc->alpha / d);
        shrink = static_cast<float>(pc->spd * pc->scale / d);
    }
    pc->in_hole_alpha = std::max(0.0f, pc->in_hole_alpha - fade * FrameDt);
    pc->in_hole_scale = std::max(0.0f, pc->in_hole_scale - shrink * FrameDt);
    bool gone = pc->in_hole_alpha <= 0 || pc->in_hole_scale <= 0;
    if (!gone || (behind && !paced)) return 1;
    Log_Line("die bcs no next color=" + std::to_string(pc->color));
    if (Relaxed_Mode == 1) {
        Hole_Die_Relaxed(pc, 0);
        return 1;
    }
    Hole_Lose();
    return 0;
}

// Falling back: grows back so it is whole as the pearl behind closes up; true when it leaves.
bool Rise(Piece* pc, Piece* behind) {
    float fade = FADE_RATE_ALONE, shrink = SHRINK_RATE_ALONE;
    bool leaves;
    if (behind) {
        double g = (pc->radius + behind->radius) - std::abs(pc->Compute_Dist_On_Bezier(behind, 0));
        leaves = g < pc->spd * FrameDt;
        if (g > 1e-6) {
            fade = static_cast<float>(pc->spd * (1 - pc->alpha) / g);
            shrink = static_cast<float>(pc->spd * (pc->in_hole_scale_in - pc->scale) / g);
        } else {
            fade = shrink = 1e6f; // already closed up: whole at once
        }
    } else {
        leaves = pc->alpha >= 1 && pc->scale >= pc->in_hole_scale_in;
    }
    pc->in_hole_alpha = std::min(1.0f, pc->in_hole_alpha + fade * FrameDt);
    pc->in_hole_scale = std::min(pc->in_hole_scale_in, pc->in_hole_scale + shrink * FrameDt);
    return leaves;
}
} // namespace

void Hole_Lose() {
    if (Losing == 1) return;
    if (Chain_Hooks.Level_Lose) Chain_Hooks.Level_Lose();
}

void Hole_Arrive(Piece* pc) {
    Path* path = pc->Get_Path();
    if (!path) return;
    if (path->hole_pc2) {
        if (Relaxed_Mode == 1)
            Hole_Die_Relaxed(path->hole_pc2, 1);
        else
            Hole_Lose();
    }
    pc->Hole_Enter();
}

void Hole_Die_Relaxed(Piece* pc, int which) {
    Path* path = pc->Get_Path();
    if (pc->pc_next) pc->pc_next->prev_died_in_hole = 1;
    if (path && which == 1 && path->hole_pc2 == pc) path->hole_pc2 = nullptr, path->hole_pc2_id = -1;
    if (path && which == 0 && path->hole_pc == pc) {
        path->hole_pc = nullptr;
        path->hole_pc_id = -1;
        // A pearl that fell through before moves up and sinks on; left below, it would block
        // the hole (and the win) for good once no pearl follows.
        pc->Hole_Exit_Fallen_Through();
    }
    int cost = pc->color == PC_PUSHER ? HOLE_PENALTY_PUSHER : HOLE_PENALTY;
    pc->Destroy(0, 0, 0, 0);
    Score_Add(-cost, 1);
}

void Piece::Hole_Enter() {
    Log_Line("Hole_Enter: id=" + std::to_string(id) + " scale=" + Num(scale));
    Path* path = Get_Path();
    if (!path) return;
    if (path->hole_pc && path->hole_pc != this && !path->hole_pc->Hole_Enter_Fallen_Through()) return;
    path->hole_pc = this;
    path->hole_pc_id = id;
    state |= PCS_IN_HOLE | PCS_HOLE_MARK;
    in_hole_alpha = 1;
    in_hole_scale = in_hole_scale_in = scale;
    alpha = 1;
    if (pc_next) Set_Z(pc_next->z, 1, pc_next);
}

int Piece::Hole_Enter_Fallen_Through() {
    Path* path = Get_Path();
    if (!path || !path->hole_pc) return 0;
    Log_Line("Hole_Enter_Fallen_Through");
    if (!path->hole_pc2) {
        Piece* fallen = path->hole_pc;
        path->hole_pc2 = fallen;
        path->hole_pc2_id = fallen->id;
        fallen->state |= PCS_FALLEN;
        path->hole_pc = nullptr;
        path->hole_pc_id = -1;
        Log_Line("Hole_Enter_Fallen_Through: new fallen = " + std::to_string(fallen->id));
        return 1;
    }
    Log_Line("Hole_Enter_Fallen_Through: die");
    if (Relaxed_Mode == 1) {
        // The pearl that fell through first goes; the sinking one takes its place.
        Hole_Die_Relaxed(path->hole_pc2, 1);
        return Hole_Enter_Fallen_Through();
    }
    Hole_Lose();
    return 0;
}

int Piece::Hole_Move() {
    Piece* behind = pc_next;
    if (segm_dir == SEGM_FORWARD) {
        int alive_on = Sink(this, behind);
        if (!alive || !alive_on) return alive_on;
    } else if (Rise(this, behind)) {
        Hole_Exit();
    }
    alpha = in_hole_alpha;
    scale = in_hole_scale;
    return 1;
}

void Piece::Hole_Exit() {
    Log_Line("hole exit id=" + std::to_string(id) + " scale=" + Num(scale));
    state &= ~PCS_IN_HOLE;
    if (!(state & PCS_FREE_RUN)) state &= ~PCS_HOLE_MARK;
    scale = in_hole_scale_in;
    in_hole_scale = scale;
    alpha = in_hole_alpha = 1;
    Path* path = Get_Path();
    if (path && path->hole_pc == this) {
        path->hole_pc = nullptr;
        path->hole_pc_id = -1;
    }
    Log_Line("scale restored=" + Num(scale));
    if (path && !path->hole_pc) Hole_Exit_Fallen_Through();
}

void Piece::Hole_Exit_Fallen_Through() {
    Path* path = Get_Path();
    if (!path) return;
    path->hole_pc = path->hole_pc2;
    path->hole_pc_id = path->hole_pc2_id;
    path->hole_pc2 = nullptr;
    path->hole_pc2_id = -1;
    if (path->hole_pc) {
        Log_Line("Hole_Exit_Fallen_Through: pc2 -> pc = " + std::to_string(path->hole_pc->id));
        path->hole_pc->state &= ~PCS_FALLEN;
    }
}
