// Grouping of a track's chain into segments (runs of touching pearls) once per frame: gaps
// start a segment that falls back toward the part behind, pushers separate waves, joins of
// two segments run the match check, and pearls touching an insertion placeholder get pushed.
#include <cmath>
#include "chain/chain_hooks.h"
#include "chain/chain_sound.h"
#include "chain/path.h"
#include "chain/piece.h"

namespace {
constexpr int YOUNG_GAP_FRAMES = 32; // frames a beginning gap is tolerated

bool Colors_Can_Meet(const Piece* p, const Piece* q) {
    return p->color == q->color || p->color == PC_PUSHER || p->color == PC_JOKER || q->color == PC_JOKER;
}

// One pass over the chain; returns the number of joins found.
int Assign_Segments(Path& path) {
    Piece* tail = path.last_pc;
    int dir = SEGM_FORWARD, seg = 0, joins = 0;
    bool slow = false;
    tail->segm_dir = SEGM_FORWARD;
    tail->segm_id_old = tail->segm_id;
    tail->segm_id = 0;
    tail->state &= ~(PCS_JOINED | PCS_LEADER);
    for (Piece *p = tail, *q = tail->pc_prev; q; p = q, q = q->pc_prev) {
        q->state &= ~(PCS_JOINED | PCS_LEADER);
        if (q->color == PC_PUSHER) {
            dir = SEGM_FORWARD;
            q->segm_dir = dir;
            q->segm_id = ++seg;
            p->state |= PCS_LEADER;
            continue;
        }
        if (p->color == PC_DUMMY) {
            dir = SEGM_BACK;
            q->segm_dir = dir;
            q->segm_id = ++seg;
            q->state |= PCS_SLOW;
            p->state |= PCS_LEADER;
            continue;
        }
        bool inserting = p->move_state == 3 || q->move_state == 3;
        double dist = inserting ? std::hypot(q->x - p->x, q->y - p->y) : p->Compute_Dist_On_Bezier(q, 1);
        double gap = dist - (p->radius + q->radius);
        double tol = inserting ? 24.0 : 1.0;
        int old_dir = q->segm_dir, old_id = q->segm_id;
        if (gap > tol) {
            slow = !Colors_Can_Meet(p, q);
            bool young = q->segm_dir != SEGM_BACK && p->segm_id_old == q->segm_id && gap < 2 * tol &&
                         q->change_segm_cnt < YOUNG_GAP_FRAMES;
            if (young) {
                ++q->change_segm_cnt;
            } else {
                q->change_segm_cnt = 0;
                ++seg;
                dir = SEGM_BACK;
            }
        } else {
            q->change_segm_cnt = 0;
        }
        if ((old_dir == SEGM_BACK) != (dir == SEGM_BACK))
            q->move_left_next_pt = q->move_next_pt - q->move_left_next_pt;
        if (p->segm_id_old != -1 && p->segm_id_old != old_id && p->segm_id == seg && p->color != PC_DUMMY &&
            q->color != PC_DUMMY) {
            q->state |= PCS_JOINED;
            ++joins;
        }
        q->segm_id_old = old_id;
        q->segm_dir = dir;
        q->segm_id = seg;
        if (dir == SEGM_BACK && slow) q->state |= PCS_SLOW;
        if (p->segm_id != q->segm_id || p->segm_dir != q->segm_dir) p->state |= PCS_LEADER;
    }
    path.first_pc->state |= PCS_LEADER;
    return joins;
}

// Match checks at the joins; true when a set was removed.
bool Check_Joins(Path& path) {
    for (Piece* pc = path.first_pc; pc;) {
        Piece* behind = pc->pc_next;
        if (pc->state & PCS_JOINED) {
            pc->state &= ~PCS_JOINED;
            if (Chain_Hooks.Join_Check && Chain_Hooks.Join_Check(pc)) return true;
        }
        pc = behind;
    }
    ChainSound_StringsConnect();
    return false;
}

void Mark_Insertion_Push(Path& path) {
    for (Piece* dummy = Pieces.list_first; dummy; dummy = dummy->list_next) {
        if (dummy->color != PC_DUMMY || dummy->path_id != path.id || !dummy->pc_prev) continue;
        Piece* ahead = dummy->pc_prev;
        if (dummy->Compute_Dist_On_Bezier(ahead, 0) >= 1.01 * (dummy->radius + ahead->radius)) continue;
        int seg = ahead->segm_id;
        for (Piece* pc = ahead; pc && pc->segm_id == seg; pc = pc->pc_prev) {
            pc->segm_dir = SEGM_FORWARD;
            pc->state |= PCS_PUSHED;
            pc->dummy_pushing_me = dummy;
            pc->dummy_pushing_me_id = dummy->id;
        }
    }
}
} // namespace

void Path::Compute_Segments() {
    // Every removal at a join takes at least three pearls, so the recounting ends; the cap
    // only guards against a match hook that reports a removal it did not make.
    for (int pass = 0; pass < 1024 && last_pc && first_pc; ++pass) {
        if (Assign_Segments(*this) == 0 || !Check_Joins(*this)) break;
    }
    if (last_pc && first_pc) Mark_Insertion_Push(*this);
}
