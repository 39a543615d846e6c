// Track pool, track records and arc-length position queries.
#include "chain/path.h"
#include <string>
#include "chain/chain_hooks.h"
#include "chain/piece.h"
#include "shell/log.h"

Paths_State Paths;

void Paths_Reset() {
    Paths.count = 0;
}

void Paths_Drop_Last() {
    if (Paths.count > 0) --Paths.count;
}

bool Paths_Empty() {
    for (int i = 0; i < Paths.count; ++i)
        if (Paths.pool[i].first_pc || Paths.pool[i].last_pc) return false;
    return true;
}

Path* Path_Get(int id) {
    return id >= 0 && id < Paths.count ? &Paths.pool[id] : nullptr;
}

Path* Path::Create() {
    if (Paths.count >= PATHS_MAX) return nullptr;
    Path* p = &Paths.pool[Paths.count];
    p->id = Paths.count++;
    p->pts_count = p->bursts_count = p->burst_crt = p->burst_delay_cnt = p->burst_id = 0;
    p->burst_pieces_left = 0;
    p->burst_delay_pc = p->burst_delay_pc_burst_id = p->GElems_Count = p->states = 0;
    p->cnt_mods_disabled = 0;
    p->first_pc = p->last_pc = p->hole_pc = p->hole_pc2 = p->win_pc = nullptr;
    p->first_pc_id = p->last_pc_id = p->hole_pc_id = p->hole_pc2_id = p->win_pc_id = -1;
    p->pt_end_zone = -1;
    p->total_length = 0;
    p->Alarm_Reset();
    p->first_pc_t = 0;
    p->first_pc_pt = 0;
    return p;
}

void Path::Alarm_Reset() {
    alarm_pt = -1;
    alarm_active = 0;
    alarm_timer_gen = 0;
    alarm_pc = nullptr;
    alarm_pc_id = -1;
    alarm_pc_alpha = 0;
    alarm_dlg_triggered = 0;
    alarm_last_trigger_time = 0;
}

void Path::PPoint_Add(float x, float y, int z, float bz1_x, float bz1_y, float bz2_x, float bz2_y,
                      int speed) {
    if (pts_count >= PATH_POINTS_MAX) return;
    pts[pts_count++] = {x, y, z, bz1_x, bz1_y, bz2_x, bz2_y, speed};
}

void Path::Burst_Add(int balls, int delay, int min_pieces) {
    if (bursts_count >= PATH_BURSTS_MAX) return;
    bursts[bursts_count++] = {balls, delay, min_pieces};
}

void Path::GElem_Add(int x, int y, int z, int img_id_file) {
    if (GElems_Count >= PATH_GELEMS_MAX) return;
    GElem& e = GElems[GElems_Count++];
    e.Remove_From_ZList();
    e.x = x;
    e.y = y;
    e.z = Clamp_Z(z);
    e.img = nullptr;
    e.img_id_file = img_id_file;
}

void Path::Burst_Set_Crt(int i) {
    if (i < 0 || i >= bursts_count) return;
    burst_crt = i;
    burst_pieces_left = bursts[i].pieces_count;
}

bool Path::Samples_Compute() {
    total_length = 0;
    for (int i = 0; i + 1 < pts_count; ++i) {
        if (!bzs_sampled[i]) {
            if (Paths.tables_allocated >= SAMPLE_TABLES_MAX) {
                Log_Line("Track " + std::to_string(id) + ": more than " + std::to_string(SAMPLE_TABLES_MAX) +
                         " curve segments in play, track dropped");
                return false;
            }
            bzs_sampled[i] = std::make_unique<Bz_Samples>();
            ++Paths.tables_allocated;
        }
        const PPoint& a = pts[i];
        const PPoint& b = pts[i + 1];
        Bz_Sample_Segment(*bzs_sampled[i], a.x, a.y, a.bz2_x, a.bz2_y, b.bz1_x, b.bz1_y, b.x, b.y);
        total_length += bzs_sampled[i]->Length();
    }
    return true;
}

const Bz_Samples& Path::Table(int seg) const {
    if (seg > pts_count - 2) seg = pts_count - 2;
    if (seg < 0) seg = 0;
    static const Bz_Samples* empty = new Bz_Samples{};
    const Bz_Samples* t = bzs_sampled[seg].get();
    return t ? *t : *empty;
}

int Path::Compute_New_Pos(int seg, double t, double dist, int& out_seg, double& out_t) const {
    for (;;) {
        const Bz_Samples& tab = Table(seg);
        double remaining = tab.Length() - tab.dist_tot[Sample_Index(t)];
        if (remaining >= dist) {
            out_seg = seg;
            out_t = FindT(tab, t, dist);
            return 0;
        }
        dist -= remaining;
        ++seg;
        t = 0;
        if (seg >= pts_count - 1) {
            out_seg = pts_count - 2;
            out_t = 1;
            return 0;
        }
    }
}

int Path::Compute_New_Pos_Back(int seg, double t, double dist, int& out_seg, double& out_t) const {
    for (;;) {
        const Bz_Samples& tab = Table(seg);
        double here = tab.dist_tot[Sample_Index(t)];
        if (here >= dist) {
            out_seg = seg;
            out_t = FindT(tab, t, -dist);
            return 0;
        }
        dist -= here;
        --seg;
        t = 1;
        if (seg < 0) {
            out_seg = 0;
            out_t = 0;
            return 1;
        }
    }
}

void Path::Set_First(Piece* pc) {
    first_pc = pc;
    first_pc_id = pc ? pc->id : -1;
}

void Path::Set_Last(Piece* pc) {
    last_pc = pc;
    last_pc_id = pc ? pc->id : -1;
}

void Paths_Compute_Segments() {
    for (int i = 0; i < Paths.count; ++i)
        Paths.pool[i].Compute_Segments();
}

void Paths_Move() {
    for (int i = 0; i < Paths.count; ++i) {
        Paths.pool[i].Move_Pieces();
        if (Chain_Hooks.Alarm_Update) Chain_Hooks.Alarm_Update(&Paths.pool[i]);
    }
}
