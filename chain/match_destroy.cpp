// Removal of one pearl from everything it belongs to: chain, effects, modifier, draw list,
// the gun, the hole and alarm marks, its insertion partner, and the pearl list.
#include "chain/match.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "play/fx_calls.h"
#include "play/gun.h"

namespace {
constexpr int HALO_STEP = 300;           // ms between the halos of an exploding pearl
constexpr float FRAGMENT_FACTOR = 0.15f; // share of the fragments effect for one pearl

void Explosion_Effects(const Piece* pc, int kind, int c, int delay, int n) {
    if (kind == 1) {
        for (int k = 0; k < 3; ++k)
            FX_PearlHalo(pc->x, pc->y, c, delay + k * HALO_STEP);
        FX_PearlHaloBig(pc->x, pc->y, c, delay);
        FX_Fragments(pc->x, pc->y, c, FRAGMENT_FACTOR, delay);
        for (int k = 0; k < n - 3; ++k)
            FX_PearlHalo(pc->x, pc->y, c, delay + 900 + k * HALO_STEP);
    } else if (kind == 2) {
        FX_PearlBurst(pc->x, pc->y, c, delay);
    }
}

// The track's references to pc go; the hole's fallen-through pearl moves up.
void Forget_On_Track(Piece* pc) {
    Path* path = pc->Get_Path();
    if (!path) return;
    if (path->hole_pc == pc) {
        path->hole_pc = nullptr;
        path->hole_pc_id = -1;
        pc->Hole_Exit_Fallen_Through();
    }
    if (path->hole_pc2 == pc) {
        path->hole_pc2 = nullptr;
        path->hole_pc2_id = -1;
    }
    if (path->alarm_pc == pc) {
        path->alarm_pc = nullptr;
        path->alarm_pc_id = -1;
    }
    if (path->win_pc == pc) {
        path->win_pc = nullptr;
        path->win_pc_id = -1;
    }
}

// A gliding shot and its placeholder go together. The link is cut before the partner is
// destroyed, so the partner does not come back for this pearl.
void Destroy_Partner(Piece* pc) {
    if (Piece* dummy = pc->pc_dummy_insert) {
        pc->pc_dummy_insert = nullptr;
        pc->pc_dummy_insert_id = -1;
        dummy->pc_insert_id = -1;
        dummy->Destroy(3, dummy->color, 0, 0);
    }
    if (pc->color != PC_DUMMY || pc->pc_insert_id < 0) return;
    Piece* shot = Id_To_Pc(pc->pc_insert_id);
    pc->pc_insert_id = -1;
    if (shot && shot->pc_dummy_insert == pc) {
        shot->pc_dummy_insert = nullptr;
        shot->pc_dummy_insert_id = -1;
        shot->Destroy(3, shot->color, 0, 0);
    }
}
} // namespace

void Piece::Destroy(int kind, int c, int delay, int n) {
    if (!alive) return;
    Remove_From_Path();
    Explosion_Effects(this, kind, c, delay, n);
    Match_Modifier_Removed(this, 0);
    Remove_From_ZList();
    Gun_Forget(this);
    Forget_On_Track(this);
    Destroy_Partner(this);
    Destroy_Basic();
}
