// Per-frame chain bookkeeping and movement: frame-start copies and wave speeds, the walk that
// moves segment leaders by their speed and places followers one contact distance behind,
// pushers merging waves, and the roll-back queue of pearls that rolled off the start.
#include "chain/chain_hooks.h"
#include "chain/path.h"
#include "chain/pc_mod.h"
#include "chain/piece.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/log.h"

void Pieces_Pre_Frame() {
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next) {
        pc->x_old = pc->x;
        pc->y_old = pc->y;
        pc->bz_dist_old = pc->bz_dist;
        pc->pt_crt_old = pc->pt_crt;
        pc->state_old = pc->state;
        pc->state &= ~(PCS_PUSHED | PCS_SLOW | PCS_HOVERED);
        pc->dummy_pushing_me = nullptr;
        pc->dummy_pushing_me_id = -1;
    }
    for (int i = 0; i < Paths.count; ++i) {
        Path& path = Paths.pool[i];
        float s = 0;
        const Piece* prev = nullptr;
        for (Piece* pc = path.first_pc; pc;) {
            if (!prev || pc->burst_id != prev->burst_id)
                if (pc->pt_crt > 0 && pc->pt_crt <= path.pts_count)
                    s = static_cast<float>(path.pts[pc->pt_crt - 1].speed);
            pc->spd_target = s;
            if (pc->segm_dir != pc->segm_dir_old) pc->spd = 0;
            pc->segm_dir_old = pc->segm_dir;
            prev = pc;
            Piece* behind = pc->pc_next;
            if (pc->explode_delay != 0) {
                pc->explode_delay -= static_cast<int>(FrameTime);
                if (pc->explode_delay <= 0) {
                    prev = pc->pc_prev;
                    if (Chain_Hooks.Remove_By_Set) Chain_Hooks.Remove_By_Set(pc, 0);
                    Log_Line("bum");
                }
            }
            pc = behind;
        }
    }
}

namespace {
struct Ref_Place {
    int seg = 0;
    double t = 0;
};

void Set_Ref(Ref_Place& ref, const Piece* pc) {
    ref.seg = pc->pt_crt - 1;
    ref.t = pc->t;
}

// Moves one pearl; false when the level was lost in the hole (the track stops for the frame).
bool Move_One(Path& path, Piece* pc, Ref_Place& ref) {
    Piece* ahead = pc->pc_prev;
    bool leader = (pc->state & PCS_LEADER) || !ahead;
    if (pc->segm_dir == SEGM_FORWARD) {
        float target = pc->spd_target;
        if (pc->state & PCS_PUSHED) {
            target = pc->dummy_pushing_me ? pc->dummy_pushing_me->spd + 150 : pc->spd_target + 150;
            pc->spd = target;
        }
        pc->Accelerate(target);
        double d = pc->spd * FrameDt;
        if (pc->state & PCS_IN_HOLE) {
            if (Chain_Hooks.Hole_Move && !Chain_Hooks.Hole_Move(pc)) return false;
            if (leader) Set_Ref(ref, pc);
        } else if (leader || (ahead->state & PCS_IN_HOLE)) {
            pc->Move_OnPathBzSmpl_Pushed(d);
            Set_Ref(ref, pc);
        } else {
            path.Compute_New_Pos_Back(ref.seg, ref.t, pc->radius + ahead->radius, ref.seg, ref.t);
            pc->Move_OnPathBzSmpl_Tail_Pushed(ref.seg + 1, ref.t);
        }
        return true;
    }
    pc->Accelerate((pc->state & PCS_SLOW) ? 25.0f : 200.0f);
    double d = pc->spd * FrameDt;
    if (pc->state & PCS_IN_HOLE) {
        if (Chain_Hooks.Hole_Move && !Chain_Hooks.Hole_Move(pc)) return false;
        if (leader) Set_Ref(ref, pc);
    } else if (leader || ((ahead->state | ahead->state_old) & PCS_IN_HOLE)) {
        if (pc->Move_OnPathBzSmpl_FallingBack(d)) Set_Ref(ref, pc);
    } else if (path.Compute_New_Pos_Back(ref.seg, ref.t, pc->radius + ahead->radius, ref.seg, ref.t)) {
        Rev_Store(pc);
    } else {
        pc->Move_OnPathBzSmpl_Tail_FallingBack(ref.seg + 1, ref.t);
    }
    return true;
}
} // namespace

void Path::Move_Pieces() {
    if (Dev_Stop || !first_pc || !last_pc) return;
    Ref_Place ref;
    for (Piece* pc = first_pc; pc;) {
        bool skip = (pc->state & PCS_FALLEN) || (PcModPauseCnt != 0 && !(pc->state & PCS_PUSHED));
        if (!skip) {
            if (!Move_One(*this, pc, ref)) return;
            if (pc->alive && pc->mod0) pc->mod0->Update_From_Owner();
        }
        if (FirstFrame == 1 || Losing == 1) break;
        // A pearl that left the chain during its move has lost its link behind: the walk ends.
        pc = pc->alive && pc->listed ? pc->pc_next : nullptr;
    }
    if (first_pc) {
        first_pc_t = first_pc->t;
        first_pc_pt = first_pc->pt_crt;
    }
}

void Pushers_Update() {
    for (Piece* pc = Pieces.list_first; pc;) {
        Piece* next = pc->list_next;
        if (pc->color == PC_PUSHER && pc->move_state == 0) {
            int b = pc->burst_id;
            Piece* behind = pc->pc_next;
            if (behind &&
                std::abs(pc->Compute_Dist_On_Bezier(behind, 0)) - (pc->radius + behind->radius) < 0) {
                for (Piece* a = pc->pc_prev; a; a = a->pc_prev)
                    if (a->burst_id == b) a->burst_id = behind->burst_id;
                if (Chain_Hooks.Destroy) Chain_Hooks.Destroy(pc, 2, PC_PUSHER, 0, 0);
            } else if ((!pc->pc_prev || pc->pc_prev->burst_id != b) && (!behind || behind->burst_id != b)) {
                if (Chain_Hooks.Destroy) Chain_Hooks.Destroy(pc, 2, PC_PUSHER, 0, 0);
            }
        }
        pc = next;
    }
}

void Rev_Store(Piece* pc) {
    if (Pieces.rev_count >= PIECES_MAX) return;
    Pieces.rev_queue[Pieces.rev_count++] = pc;
    Pieces_List_Remove(pc);
    pc->Remove_From_Path();
}

void Rev_Release() {
    if (Pieces.rev_count == 0) return;
    Piece* pc = Pieces.rev_queue[--Pieces.rev_count];
    Pieces_List_Add_Front(pc);
    pc->Path_Insert_Last();
    pc->Place_At_Start();
}
