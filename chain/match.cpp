// Set collection with jokers, removal of a matched set, and the join check.
#include "chain/match.h"
#include "chain/pc_mod.h"
#include "chain/piece.h"
#include "engine/sound.h"
#include "play/level_state.h"
#include "play/score.h"

Match_State Match;
int FlameOrbActive = 0;

namespace {
constexpr int MOD_CHAIN = 6; // a chained pearl stays on the track when matched

// Appends p when it belongs to the set started at s; false ends the walk in that direction.
bool Take(const Piece* s, Piece* p) {
    if (!p || p->move_state != 0 || p->segm_id != s->segm_id) return false;
    if (Match.count >= MATCH_SET_MAX) return false;
    if (Match.color == PC_JOKER) {
        if (p->color != PC_JOKER && p->color > 6) return false;
        Match.color = p->color;
    } else if (p->color != PC_JOKER && p->color != Match.color) {
        return false;
    }
    Match.set[Match.count++] = p;
    return true;
}

void Collect(Piece* s) {
    Match.count = 0;
    Match.color = s->color;
    if (!Take(s, s)) return;
    Match.color = s->color;
    for (Piece* p = s->pc_prev; Take(s, p); p = p->pc_prev) {
    }
    Match.color = s->color;
    for (Piece* p = s->pc_next; Take(s, p); p = p->pc_next) {
    }
}
} // namespace

void Match_Init() {
    Match = Match_State{};
    Match.min_size = 3;
}

int Check_Match(Piece* pc, int remove_now, int flags) {
    Collect(pc);
    if (Match.count < Match.min_size) return 0;
    if (remove_now == 1) Remove_Matched(flags);
    return 1;
}

void Remove_Matched(int flags) {
    int n = Match.count;
    if (n < Match.min_size) return;
    // The popups of the scoring appear where the first pearl was, after it has gone.
    Piece where;
    where.x = Match.set[0]->x;
    where.y = Match.set[0]->y;
    Sfx_PlayMatch(where.x, where.y);
    FlameOrbActive = 0;
    if (n > LongestSet) LongestSet = n;
    // A member's modifier may remove other members (area bomb, flame orb) and a freed slot
    // may be taken again by a new pearl: the ids say which members are still the same.
    static int ids[MATCH_SET_MAX];
    for (int i = 0; i < n; ++i)
        ids[i] = Match.set[i]->id;
    Match.removing = true;
    for (int i = 0; i < n; ++i)
        if (Match.set[i]->alive && Match.set[i]->listed && Match.set[i]->id == ids[i])
            Match.set[i]->Remove_By_Set(i);
    Match.removing = false;
    if (flags & 1) Score_Chain(n, &where);
    if (flags & 2) Score_Combo(n, &where);
}

int Match_Join_Check(Piece* pc) {
    Piece* behind = pc->pc_next;
    Check_Match(pc, 0, 2);
    if (Match.count < Match.min_size || !behind) return 0;
    for (int i = 0; i < Match.count; ++i)
        if (Match.set[i] == behind) {
            Remove_Matched(2);
            return 1;
        }
    return 0;
}

void Match_Modifier_Removed(Piece* pc, int matched) {
    PcMod* mod = pc->mod0;
    if (!mod) return;
    if (mod->id >= 0 && mod->id < PCMOD_KINDS && PcModTypes[mod->id].On_PieceRemoved)
        PcModTypes[mod->id].On_PieceRemoved(mod, matched);
    // The action takes the emblem off; without one (or if it did not) it goes here.
    if (pc->mod0 == mod) {
        mod->Free();
        pc->mod0 = nullptr;
    }
    pc->mod0_id = -1;
}

void Piece::Remove_By_Set(int index) {
    if (mod0) {
        bool chained = mod0->id == MOD_CHAIN;
        Match_Modifier_Removed(this, 1);
        if (chained) return;
    }
    Destroy(1, color, index * MATCH_EXPLODE_STEP, Match.removing ? Match.count : 0);
}
