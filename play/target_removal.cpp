// Delayed removal of smashed and detonated pearls.
#include "play/target_removal.h"
#include "chain/piece.h"
#include "engine/sound.h"
#include "shell/app_state.h"
#include "shell/log.h"

namespace {
struct Target {
    Piece* pc;
    int id;
    int mode;
    int ms_left;
};

struct Target_Removal_State {
    Target list[TARGET_REMOVALS_MAX];
    int count = 0;
    bool full_logged = false;
} g_tr;

void Remove(const Target& t) {
    Piece* pc = t.pc;
    if (!pc->alive || !pc->listed || pc->id != t.id) return;
    Sfx_PlayMatch(pc->x, pc->y);
    if (t.mode == 1)
        pc->Remove_By_Set(0);
    else
        pc->Destroy(1, pc->color, 0, 0);
}
} // namespace

void Target_Removal_Reset() {
    g_tr.count = 0;
    g_tr.full_logged = false;
}

void Target_Removal_Add(Piece* pc, int mode, int delay_ms) {
    if (!pc) return;
    if (g_tr.count >= TARGET_REMOVALS_MAX) {
        if (!g_tr.full_logged) Log_Line("Target removal list full: pearl left on the board");
        g_tr.full_logged = true;
        return;
    }
    g_tr.list[g_tr.count++] = Target{pc, pc->id, mode, delay_ms};
}

void Target_Removal_Update() {
    // Removals fire modifiers that may add more targets: the due ones are taken out first.
    static Target due[TARGET_REMOVALS_MAX];
    int n_due = 0, kept = 0;
    int dt = static_cast<int>(FrameTime);
    for (int i = 0; i < g_tr.count; ++i) {
        Target t = g_tr.list[i];
        t.ms_left -= dt;
        if (t.ms_left <= 0)
            due[n_due++] = t;
        else
            g_tr.list[kept++] = t;
    }
    g_tr.count = kept;
    for (int i = 0; i < n_due; ++i)
        Remove(due[i]);
}

int Target_Removal_Pending() {
    return g_tr.count;
}
