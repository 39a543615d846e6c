// Pearl pool, pearl list, chain links and layer changes.
#include "chain/piece.h"
#include <cmath>
#include "chain/path.h"
#include "chain/pc_mod.h"
#include "play/level_state.h"
#include "shell/log.h"
#include "shell/random.h"

Pieces_State Pieces;

namespace {
Piece g_pool[PIECES_MAX];
int g_free_hint = 0;

Piece* Pool_Take() {
    for (int n = 0; n < PIECES_MAX; ++n) {
        int i = (g_free_hint + n) % PIECES_MAX;
        if (g_pool[i].alive) continue;
        g_free_hint = (i + 1) % PIECES_MAX;
        g_pool[i] = Piece{};
        g_pool[i].alive = true;
        return &g_pool[i];
    }
    if (!Pieces.pool_full_logged) Log_Line("Pearl pool full: no pearl created");
    Pieces.pool_full_logged = true;
    return nullptr;
}

void Pool_Free(Piece* pc) {
    pc->Remove_From_ZList();
    pc->alive = false;
}
} // namespace

void Pieces_List_Add_Front(Piece* pc) {
    if (pc->listed) return;
    pc->list_prev = nullptr;
    pc->list_next = Pieces.list_first;
    if (Pieces.list_first) Pieces.list_first->list_prev = pc;
    Pieces.list_first = pc;
    if (!Pieces.list_last) Pieces.list_last = pc;
    pc->listed = true;
    ++Pieces.list_count;
}

static void Pieces_List_Add_Back(Piece* pc) {
    if (pc->listed) return;
    pc->list_next = nullptr;
    pc->list_prev = Pieces.list_last;
    if (Pieces.list_last) Pieces.list_last->list_next = pc;
    Pieces.list_last = pc;
    if (!Pieces.list_first) Pieces.list_first = pc;
    pc->listed = true;
    ++Pieces.list_count;
}

void Pieces_List_Remove(Piece* pc) {
    if (!pc->listed) return;
    if (pc->list_prev)
        pc->list_prev->list_next = pc->list_next;
    else
        Pieces.list_first = pc->list_next;
    if (pc->list_next)
        pc->list_next->list_prev = pc->list_prev;
    else
        Pieces.list_last = pc->list_prev;
    pc->list_prev = pc->list_next = nullptr;
    pc->listed = false;
    --Pieces.list_count;
}

void Pieces_Reset() {
    for (Piece& pc : g_pool)
        if (pc.alive) Pool_Free(&pc);
    Pieces.list_first = Pieces.list_last = nullptr;
    Pieces.list_count = 0;
    Pieces.next_piece_id = 0;
    Pieces.rev_count = 0;
    Pieces.pool_full_logged = false;
    g_free_hint = 0;
    JokerOnPath = JokerOnGun = 0;
    PcMod_Reset_Pool();
}

Piece* Id_To_Pc(int id) {
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
        if (pc->id == id) return pc;
    return nullptr;
}

Piece* Find_By_Id(int id) {
    return Id_To_Pc(id);
}

int Piece::Get_Image_Count() const {
    if (color >= 0 && color <= 5) return 63;
    return color == PC_JOKER ? 64 : 1;
}

float Piece::Get_Orig_Scale() const {
    if (state & PCS_GUN_NEXT) return 0.55f;
    return color == PC_PUSHER || color == PC_ALARM ? 1.0f : 0.55f;
}

void Piece::Setup(int c, int px, int py, int pz, int mstate) {
    Pieces_List_Add_Back(this);
    color = c;
    x = x_old = static_cast<float>(px);
    y = y_old = static_cast<float>(py);
    z = Clamp_Z(pz);
    move_state = mstate;
    special = -1;
    special_bg_alpha = Rnd(0.25f, 0.75f);
    img_count = Get_Image_Count();
    img_crt = static_cast<float>(Rand(0, img_count - 1));
    scale = Get_Orig_Scale();
    alpha = 1;
    anim_timer = 0;
    anim_period = 50;
    shade_x = ShadowOffsetX;
    shade_y = ShadowOffsetY;
    Set_Next(nullptr);
    Set_Prev(nullptr);
    Remove_From_ZList();
    dummy_pushing_me = nullptr;
    dummy_pushing_me_id = -1;
    mod0 = nullptr;
    mod0_id = -1;
    spd_free_move = 800;
    spd_insert = 200;
    spd = 0;
    accel = 400;
    deccel = -400;
    spd_target = 0;
    radius = 14;
    segm_dir = 0;
    segm_id = segm_id_old = -1;
    state = state_old = 0;
    burst_id = -1;
    bz_dist = bz_dist_old = 0;
    path_id = -1;
    pt_crt = pt_crt_old = 1;
    gap_coef = 0;
    pc_insert_id = -1;
    dummy_reversed = 0;
    explode_delay = 0;
    prev_died_in_hole = 0;
    spd_on_path = 50;
    id = Pieces.next_piece_id++;
}

Piece* Piece::Create(int c, int px, int py, int pz, int mstate) {
    Piece* pc = Pool_Take();
    if (!pc) return nullptr;
    pc->Setup(c, px, py, pz, mstate);
    pc->Insert_ZList_Last();
    return pc;
}

Piece* Piece::Create_OnPath(int c, int px, int py, int track) {
    Path* path = Path_Get(track);
    if (!path || path->pts_count < 2) return nullptr;
    Piece* pc = Pool_Take();
    if (!pc) return nullptr;
    pc->Setup(c, px, py, path->pts[0].z, 0);
    pc->path_id = track;
    pc->pt_crt = pc->pt_crt_old = 1;
    pc->t = 0;
    pc->move_left_next_pt = pc->move_next_pt = std::hypot(path->pts[1].x - pc->x, path->pts[1].y - pc->y);
    pc->burst_id = path->burst_id;
    pc->Insert_ZList_Last();
    pc->Path_Insert_Last();
    return pc;
}

Path* Piece::Get_Path() const {
    return Path_Get(path_id);
}

void Piece::Set_Next(Piece* pc) {
    pc_next = pc;
    pc_next_id = pc ? pc->id : -1;
}

void Piece::Set_Prev(Piece* pc) {
    pc_prev = pc;
    pc_prev_id = pc ? pc->id : -1;
}

void Piece::Set_Z(int nz, int after, Piece* other) {
    Remove_From_ZList();
    z = Clamp_Z(nz);
    if (after && other && other != this && other->in_zlist)
        Insert_ZList_After(other);
    else
        Insert_ZList_Last();
    if (mod0) mod0->Set_Z_From_Owner(z);
}

void Piece::Set_Modifier(int kind) {
    if (mod0) mod0->Free();
    mod0 = PcMod::Create(kind, this, 0, x, y, z);
    mod0_id = mod0 ? kind : -1;
}

void Piece::Set_Color(int c) {
    color = c;
    img_count = Get_Image_Count();
    img_crt = 0;
}

void Piece::Path_Insert_Last() {
    Path* path = Get_Path();
    if (!path) return;
    Set_Prev(path->last_pc);
    Set_Next(nullptr);
    if (path->last_pc)
        path->last_pc->Set_Next(this);
    else
        path->Set_First(this);
    path->Set_Last(this);
}

void Piece::Path_Insert_After(Piece* other) {
    path_id = other->path_id;
    Path* path = Get_Path();
    if (!path) return;
    Set_Prev(other);
    Set_Next(other->pc_next);
    if (other->pc_next)
        other->pc_next->Set_Prev(this);
    else
        path->Set_Last(this);
    other->Set_Next(this);
}

void Piece::Path_Insert_Before(Piece* other) {
    path_id = other->path_id;
    Path* path = Get_Path();
    if (!path) return;
    Set_Next(other);
    Set_Prev(other->pc_prev);
    if (other->pc_prev)
        other->pc_prev->Set_Next(this);
    else
        path->Set_First(this);
    other->Set_Prev(this);
}

void Piece::Remove_From_Path() {
    Path* path = Get_Path();
    if (!path) return;
    bool linked = pc_prev || pc_next || path->first_pc == this || path->last_pc == this;
    if (!linked) return;
    if (pc_prev) pc_prev->Set_Next(pc_next);
    if (pc_next) pc_next->Set_Prev(pc_prev);
    if (path->first_pc == this) path->Set_First(pc_next);
    if (path->last_pc == this) path->Set_Last(pc_prev);
    Set_Next(nullptr);
    Set_Prev(nullptr);
}

void Piece::Die_Quietly() {
    Remove_From_Path();
    Remove_From_ZList();
    Pieces_List_Remove(this);
    if (mod0) mod0->Free();
    mod0 = nullptr;
    Pool_Free(this);
}

void Piece::Destroy_Basic() {
    Remove_From_Path();
    if (mod0) mod0->Free();
    mod0 = nullptr;
    if (Path* path = Get_Path()) {
        if (path->hole_pc == this) path->hole_pc = nullptr, path->hole_pc_id = -1;
        if (path->hole_pc2 == this) path->hole_pc2 = nullptr, path->hole_pc2_id = -1;
    }
    Remove_From_ZList();
    Pieces_List_Remove(this);
    Pool_Free(this);
}

double Piece::Compute_Dist_On_Bezier(const Piece* other, int use_old) const {
    const Path* path = Get_Path();
    if (!path || path->pts_count < 2) return 0;
    auto clamp_pt = [path](int p) { return p < 1 ? 1 : (p > path->pts_count - 1 ? path->pts_count - 1 : p); };
    int pa = clamp_pt(use_old ? pt_crt_old : pt_crt);
    int pb = clamp_pt(use_old ? other->pt_crt_old : other->pt_crt);
    double a = use_old ? bz_dist_old : bz_dist;
    double b = use_old ? other->bz_dist_old : other->bz_dist;
    if (pa == pb) return b - a;
    double sign = 1;
    if (pa > pb) {
        std::swap(pa, pb);
        std::swap(a, b);
        sign = -1;
    }
    double d = path->Seg_Length(pa - 1) - a;
    for (int s = pa; s <= pb - 2; ++s)
        d += path->Seg_Length(s);
    return sign * (d + b);
}

bool Piece::IsVisible() const {
    return x + 32 >= 0 && x - 32 <= 800 && y + 32 >= 0 && y - 32 <= 600;
}

int Pieces_Count_Burst(const Path* path, int bid) {
    int n = 0;
    for (const Piece* pc = path->first_pc; pc; pc = pc->pc_next)
        if (pc->burst_id == bid) ++n;
    return n;
}
