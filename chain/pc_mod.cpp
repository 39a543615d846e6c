// Modifier kind records and emblem objects.
#include "chain/pc_mod.h"
#include <cmath>
#include "chain/piece.h"
#include "shell/app_state.h"
#include "shell/random.h"

namespace {
PcModType Kind(const char* file, int dx, int blend, float scale, int z_offset) {
    PcModType t;
    t.filename = file;
    t.img_dx = t.img_dy = dx;
    t.blend_mode = blend;
    t.scale = scale;
    t.z_offset = z_offset;
    return t;
}

PcMod g_mods[PIECES_MAX];
} // namespace

PcModType PcModTypes[PCMOD_KINDS] = {
    Kind("precision.png", 120, 4, 0.55f, 1), Kind("reverse.png", 120, 4, 0.55f, 1),
    Kind("bomb.png", 120, 4, 0.55f, 1),      Kind("pause.png", 120, 4, 0.55f, 1),
    Kind("rev_clear.png", 120, 4, 0.55f, 1), Kind("fireball.png", 120, 4, 0.55f, 1),
    Kind("chain.png", 64, 3, 0.58f, -1),     Kind("score2x.png", 120, 4, 0.55f, 1),
    Kind("score3x.png", 120, 4, 0.55f, 1),   Kind("bomb_zone.png", 120, 4, 0.55f, 1),
};

PcMod* PcMod::Create(int kind, Piece* owner, int buff_idx, float px, float py, int pz) {
    if (kind < 0 || kind >= PCMOD_KINDS) return nullptr;
    for (PcMod& m : g_mods) {
        if (m.alive) continue;
        m = PcMod{};
        m.alive = true;
        const PcModType& k = PcModTypes[kind];
        m.id = kind;
        m.pc_owner = owner;
        m.pc_owner_id = owner ? owner->id : -1;
        m.pc_owner_buff_idx = buff_idx;
        m.x = px;
        m.y = py;
        m.Set_Z_From_Owner(pz);
        m.img_count = k.img_count;
        m.anim_period = k.anim_period;
        m.img_crt = static_cast<float>(Rand(0, k.img_count - 1));
        m.angle = 0;
        m.alpha_acc = Rand(1, static_cast<int>(FrameTime));
        m.scale = k.scale;
        m.alpha0 = k.alpha;
        m.blend_mode = k.blend_mode;
        return &m;
    }
    return nullptr;
}

void PcMod::Set_Z(int nz) {
    Remove_From_ZList();
    z = Clamp_Z(nz);
    Insert_ZList_First();
}

void PcMod::Set_Z_From_Owner(int nz) {
    Set_Z(nz + PcModTypes[id].z_offset);
}

void PcMod::Update_From_Owner() {
    if (!pc_owner) return;
    x = pc_owner->x;
    y = pc_owner->y;
    angle = static_cast<int>(pc_owner->angle);
    alpha_acc += static_cast<int>(FrameTime) / 3;
    scale = PcModTypes[id].scale;
    if ((pc_owner->state & PCS_IN_HOLE) && pc_owner->in_hole_scale_in != 0)
        scale *= pc_owner->scale / pc_owner->in_hole_scale_in;
}

void PcMod::Animate() {
    img_crt += anim_period * FrameDt;
    if (img_count > 0 && img_crt >= img_count) img_crt = std::fmod(img_crt, static_cast<float>(img_count));
}

void PcMod::Free() {
    Remove_From_ZList();
    alive = false;
    pc_owner = nullptr;
}

void PcMod_Reset_Pool() {
    for (PcMod& m : g_mods)
        if (m.alive) m.Free();
}
