// Wave generation at the start of a track: returning pearls first, then one new pearl per
// frame when the wait is over and the tail has rolled one diameter away from point 0. The
// last pearl of every wave is a pusher; ordinary pearls may be jokers or carry a modifier.
#include <cmath>
#include "chain/chain_sound.h"
#include "chain/colors.h"
#include "chain/path.h"
#include "chain/pc_mod.h"
#include "chain/piece.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/random.h"

namespace {
constexpr int MODS_GAP = 3; // pearls without a modifier after a modifier pearl

// Steps 4 to 8: whether a pearl may be generated this frame.
bool Ready(Path& path) {
    if (Paths_Empty()) {
        PcModPauseCnt = 0;
        for (int i = 0; i < Paths.count; ++i)
            Paths.pool[i].burst_delay_cnt = 0;
    }
    bool ready = path.burst_delay_cnt == 0;
    if (!ready) {
        int left = path.burst_delay_cnt - static_cast<int>(FrameTime);
        path.burst_delay_cnt = left > 0 ? left : 0;
    }
    if (path.burst_delay_pc != 0 &&
        Pieces_Count_Burst(&path, path.burst_delay_pc_burst_id) <= path.burst_delay_pc) {
        path.burst_delay_pc = 0;
        path.burst_delay_cnt = 0;
    }
    if (ready && path.last_pc) {
        double dx = std::trunc(path.last_pc->x - path.pts[0].x);
        double dy = std::trunc(path.last_pc->y - path.pts[0].y);
        double diameter = 2 * path.last_pc->radius;
        ready = dx * dx + dy * dy >= diameter * diameter;
    }
    return ready;
}

int New_Color(const Path& path) {
    if (path.burst_pieces_left <= 1) return PC_PUSHER;
    if (JokerOnPath > 0 && Rand(1, 100) < JokerOnPath) return PC_JOKER;
    return Color_Get_New();
}

// Step 11: a pearl that continues a wave starts one contact distance behind the one ahead.
void Close_Up(Path& path, Piece* pc) {
    Piece* ahead = pc->pc_prev;
    if (!ahead || ahead->burst_id != pc->burst_id) return;
    int seg = 0;
    double t = 0;
    path.Compute_New_Pos_Back(ahead->pt_crt - 1, ahead->t, pc->radius + ahead->radius, seg, t);
    pc->Move_OnPathBzSmpl_Tail_Pushed(seg + 1, t);
    pc->x_old = pc->x;
    pc->y_old = pc->y;
    pc->bz_dist_old = pc->bz_dist;
}

// Step 13: modifier chances in kind order, the tutorial's forced kinds on the first wave.
void Assign_Modifier(Path& path, Piece* pc) {
    bool placed = false;
    if (pc->color < 6 && path.cnt_mods_disabled <= 0) {
        bool first_wave = path.burst_crt == 0;
        for (int kind = 0; kind < PCMOD_KINDS && !placed; ++kind) {
            if (first_wave && PcModForced1 != -1 && kind != PcModForced1 && kind != PcModForced2) continue;
            int percent = PcModTypes[kind].percent;
            bool hit = percent > 0 && Rand(1, 1000) < percent;
            if (!hit) hit = first_wave && path.burst_pieces_left == 2 && PcModForced1 != -1;
            if (hit) {
                pc->Set_Modifier(kind);
                placed = true;
            }
        }
    }
    if (placed)
        path.cnt_mods_disabled = MODS_GAP;
    else
        path.cnt_mods_disabled -= 1;
}

void Count_Down(Path& path) {
    if (--path.burst_pieces_left > 0) return;
    const Burst& ended = path.bursts[path.burst_crt];
    path.burst_delay_cnt = ended.delay_after;
    path.burst_delay_pc = ended.delay_pc;
    path.burst_delay_pc_burst_id = path.burst_id;
    path.burst_id += 1;
    if (path.burst_crt < path.bursts_count - 1) path.burst_crt += 1;
    path.burst_pieces_left = path.bursts[path.burst_crt].pieces_count;
}
} // namespace

void Path::Generate_Piece() {
    if (bursts_count <= 0 || pts_count < 2) return;
    if (Pieces.rev_count > 0 && PcModReverseCnt == 0) {
        Rev_Release();
        return;
    }
    if ((states & PATH_STATE_GEN_DONE) || PcModReverseCnt != 0) return;
    const Burst& wave = bursts[burst_crt];
    bool wave_start = burst_pieces_left == wave.pieces_count;
    if (wave_start && WinPoints <= 0) {
        states |= PATH_STATE_GEN_DONE;
        return;
    }
    if (!Ready(*this)) return;
    int color = New_Color(*this);
    Piece* pc = Piece::Create_OnPath(color, static_cast<int>(pts[0].x), static_cast<int>(pts[0].y), id);
    if (!pc) return;
    Close_Up(*this, pc);
    if (wave_start) ChainSound_WaveStart(pts[0].speed > 100);
    Assign_Modifier(*this, pc);
    Count_Down(*this);
}
