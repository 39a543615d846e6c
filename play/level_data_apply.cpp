// Laying a decoded level state over a freshly started level: every record is checked like a
// level file's values (an impossible pearl, item or reference is dropped or cleared with a
// log line), then the references are rebuilt from the saved ids and every chain is checked
// link by link, so a damaged file can't leave a chain the movement would trip over.
#include <cmath>
#include <set>
#include <string>
#include "chain/path.h"
#include "chain/pc_mod.h"
#include "play/gun.h"
#include "play/hammer.h"
#include "play/level_data.h"
#include "play/level_state.h"
#include "shell/log.h"

namespace {
constexpr float kFar = 2000;       // positions further off the screen than this are refused
constexpr int kTimerMax = 600000;  // ms
constexpr int kScoreMax = 1000000; // points of one item

void Drop(const Piece& rec, const std::string& why) {
    Log_Line("level state: pearl id=" + std::to_string(rec.id) + " dropped: " + why);
}

int Clamp(int v, int lo, int hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}
float Clampf(float v, float lo, float hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

bool Color_Ok(int c) {
    return (c >= PC_BLUE && c <= PC_YELLOW) || (c >= PC_PUSHER && c <= PC_WIN) || c == PC_DUMMY;
}

const Path* Track_Of(const Piece& rec) {
    return rec.path_id >= 0 && rec.path_id < Paths.count && Paths.pool[rec.path_id].pts_count >= 2
               ? &Paths.pool[rec.path_id]
               : nullptr;
}

// Checks and repairs one pearl record; false when the pearl can't be in the level.
bool Piece_Check(Piece& rec, bool in_queue, std::set<int>& ids) {
    if (!Color_Ok(rec.color)) return Drop(rec, "colour " + std::to_string(rec.color)), false;
    if (rec.move_state < 0 || rec.move_state > 3)
        return Drop(rec, "move state " + std::to_string(rec.move_state)), false;
    if (!LD_PieceFinite(rec)) return Drop(rec, "a value is not a number"), false;
    if (std::fabs(rec.x) > kFar || std::fabs(rec.y) > kFar) return Drop(rec, "far off the board"), false;
    if (rec.id < 0 || !ids.insert(rec.id).second) return Drop(rec, "its id is not unique"), false;
    const Path* track = Track_Of(rec);
    if (rec.path_id != -1 && !track) {
        if (rec.move_state == 0 || in_queue)
            return Drop(rec, "no track " + std::to_string(rec.path_id)), false;
        rec.path_id = -1;
    }
    if (!track && (rec.move_state == 0 || in_queue)) return Drop(rec, "on no track"), false;
    if (track) {
        rec.pt_crt = Clamp(rec.pt_crt, 1, track->pts_count - 1);
        rec.pt_crt_old = Clamp(rec.pt_crt_old, 1, track->pts_count - 1);
        rec.t = Clampf(rec.t, 0, 1);
    }
    if (rec.mod0_id < -1 || rec.mod0_id >= PCMOD_KINDS) {
        Log_Line("level state: pearl id=" + std::to_string(rec.id) + " modifier " +
                 std::to_string(rec.mod0_id) + " unknown, dropped");
        rec.mod0_id = -1;
    }
    rec.z = Clamp_Z(rec.z);
    rec.img_count = rec.Get_Image_Count();
    // The drawing truncates the frame number, so values a little below 0 are frame 0.
    if (rec.img_crt <= -1 || rec.img_crt >= static_cast<float>(rec.img_count)) rec.img_crt = 0;
    rec.anim_period = Clamp(rec.anim_period, 1, kTimerMax);
    rec.anim_timer = Clamp(rec.anim_timer, 0, kTimerMax);
    rec.explode_delay = Clamp(rec.explode_delay, 0, kTimerMax);
    rec.segm_dir = rec.segm_dir == SEGM_BACK ? SEGM_BACK : SEGM_FORWARD;
    rec.segm_dir_old = rec.segm_dir_old == SEGM_BACK ? SEGM_BACK : SEGM_FORWARD;
    rec.scale = Clampf(rec.scale, 0, 10);
    rec.alpha = Clampf(rec.alpha, 0, 1);
    if (rec.radius < 1 || rec.radius > 64) rec.radius = 14;
    return true;
}

// A new pool pearl carrying the record's saved fields; null when the pool is full.
Piece* Piece_From(const Piece& rec) {
    Piece* pc = Piece::Create(rec.color, 0, 0, rec.z, rec.move_state);
    if (!pc) return nullptr;
    LD_CopyPiece(rec, *pc);
    return pc;
}

Piece* Look_Up(int id, const char* fn, const char* what) {
    if (id == -1) return nullptr;
    Piece* pc = Id_To_Pc(id);
    if (!pc) Log_Line(std::string(fn) + "(): failed to find " + what + " pc for id=" + std::to_string(id));
    return pc;
}

void Pieces_Refs() {
    const char* fn = "LD_Load_PostProcess_Pieces";
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next) {
        pc->pc_next = Look_Up(pc->pc_next_id, fn, "next");
        pc->pc_prev = Look_Up(pc->pc_prev_id, fn, "prev");
        pc->pc_dummy_insert = Look_Up(pc->pc_dummy_insert_id, fn, "dummy_insert");
        pc->dummy_pushing_me = Look_Up(pc->dummy_pushing_me_id, fn, "dummy_pushing_me");
    }
}

// The roll-back queue, stored front first: the front is released next, so it goes last.
void Queue_Restore(const LD_File& f, std::set<int>& ids) {
    static Piece* queue[PIECES_MAX];
    int n = 0;
    for (Piece rec : f.rev) {
        if (!Piece_Check(rec, true, ids)) continue;
        Piece* pc = Piece_From(rec);
        if (!pc) break;
        Pieces_List_Remove(pc);
        pc->pc_next_id = pc->pc_prev_id = pc->pc_dummy_insert_id = pc->dummy_pushing_me_id = -1;
        if (pc->mod0_id != -1) pc->Set_Modifier(pc->mod0_id);
        queue[n++] = pc;
    }
    for (int k = 0; k < n; ++k)
        Pieces.rev_queue[k] = queue[n - 1 - k];
    Pieces.rev_count = n;
}

// Keeps only links whose other end agrees and lies on the same track.
void Links_Check() {
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next) {
        Piece* n = pc->pc_next;
        if (n && (n->pc_prev_id != pc->id || n->path_id != pc->path_id || pc->path_id < 0)) {
            Log_Line("level state: pearl id=" + std::to_string(pc->id) + " and id=" + std::to_string(n->id) +
                     " are no neighbours, link dropped");
            pc->pc_next = nullptr;
        }
        Piece* p = pc->pc_prev;
        if (p && (p->pc_next_id != pc->id || p->path_id != pc->path_id || pc->path_id < 0))
            pc->pc_prev = nullptr;
    }
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next) {
        pc->pc_next_id = pc->pc_next ? pc->pc_next->id : -1;
        pc->pc_prev_id = pc->pc_prev ? pc->pc_prev->id : -1;
        if (pc->pc_dummy_insert && pc->pc_dummy_insert->color != PC_DUMMY) pc->pc_dummy_insert = nullptr;
        if (pc->dummy_pushing_me && pc->dummy_pushing_me->color != PC_DUMMY) pc->dummy_pushing_me = nullptr;
        pc->pc_dummy_insert_id = pc->pc_dummy_insert ? pc->pc_dummy_insert->id : -1;
        pc->dummy_pushing_me_id = pc->dummy_pushing_me ? pc->dummy_pushing_me->id : -1;
    }
}

Piece* Track_Ref(Path& path, int id, const char* what) {
    Piece* pc = Look_Up(id, "LD_Load_PostProcess_Paths", what);
    if (pc && pc->path_id != path.id) {
        Log_Line("level state: pearl id=" + std::to_string(id) + " is not on track " +
                 std::to_string(path.id));
        return nullptr;
    }
    return pc;
}

void Path_Restore(Path& path, const LD_Path& r) {
    path.burst_crt = path.bursts_count > 0 ? Clamp(r.burst_crt, 0, path.bursts_count - 1) : 0;
    int wave = path.bursts_count > 0 ? path.bursts[path.burst_crt].pieces_count : 0;
    path.burst_pieces_left = Clamp(r.burst_pieces_left, 0, wave);
    path.burst_delay_cnt = Clamp(r.burst_delay_cnt, 0, kTimerMax);
    path.burst_delay_pc_burst_id = r.burst_delay_pc_burst_id;
    path.burst_id = Clamp(r.burst_id, 0, INT32_MAX / 2);
    path.cnt_mods_disabled = Clamp(r.cnt_mods_disabled, 0, PIECES_MAX);
    path.alarm_active = r.alarm_active != 0 ? 1 : 0;
    path.alarm_timer_gen = Clamp(r.alarm_timer_gen, -kTimerMax, kTimerMax);
    path.alarm_pc_alpha = std::isfinite(r.alarm_pc_alpha) ? Clampf(r.alarm_pc_alpha, 0, 1) : 0;
    path.first_pc = Track_Ref(path, r.first_pc_id, "first");
    path.last_pc = Track_Ref(path, r.last_pc_id, "last");
    path.hole_pc = Track_Ref(path, r.hole_pc_id, "hole");
    path.hole_pc2 = Track_Ref(path, r.hole_pc2_id, "hole pc2");
    path.alarm_pc = Track_Ref(path, r.alarm_pc_id, "alarm");
}

// Walks each chain from its front: the pearls reached form the chain, its tail becomes
// last_pc, and a linked pearl the walk doesn't reach is dropped (its chain was broken).
void Chains_Check() {
    std::set<const Piece*> reached;
    for (int i = 0; i < Paths.count; ++i) {
        Path& path = Paths.pool[i];
        if (path.first_pc && path.first_pc->pc_prev) path.first_pc = nullptr;
        Piece* tail = nullptr;
        for (Piece* pc = path.first_pc; pc && !reached.count(pc); pc = pc->pc_next) {
            reached.insert(pc);
            tail = pc;
        }
        if (tail != path.last_pc && (path.first_pc || path.last_pc))
            Log_Line("level state: track " + std::to_string(i) + " chain ends at another pearl than saved");
        path.last_pc = tail;
        if (!path.first_pc) path.last_pc = nullptr;
        path.first_pc_id = path.first_pc ? path.first_pc->id : -1;
        path.last_pc_id = tail ? tail->id : -1;
    }
    for (Piece* pc = Pieces.list_first; pc;) {
        Piece* next = pc->list_next;
        if ((pc->pc_next || pc->pc_prev) && !reached.count(pc)) {
            Drop(*pc, "its chain is broken");
            if (pc->pc_next && pc->pc_next->pc_prev == pc) pc->pc_next->pc_prev = nullptr;
            if (pc->pc_prev && pc->pc_prev->pc_next == pc) pc->pc_prev->pc_next = nullptr;
            pc->pc_next = pc->pc_prev = nullptr;
            for (int i = 0; i < Paths.count; ++i) {
                Path& path = Paths.pool[i];
                for (Piece** ref : {&path.hole_pc, &path.hole_pc2, &path.alarm_pc})
                    if (*ref == pc) *ref = nullptr;
            }
            for (Piece* o = Pieces.list_first; o; o = o->list_next) {
                if (o->pc_dummy_insert == pc) o->pc_dummy_insert = nullptr, o->pc_dummy_insert_id = -1;
                if (o->dummy_pushing_me == pc) o->dummy_pushing_me = nullptr, o->dummy_pushing_me_id = -1;
            }
            pc->Die_Quietly();
        }
        pc = next;
    }
    for (int i = 0; i < Paths.count; ++i) {
        Path& path = Paths.pool[i];
        path.hole_pc_id = path.hole_pc ? path.hole_pc->id : -1;
        path.hole_pc2_id = path.hole_pc2 ? path.hole_pc2->id : -1;
        path.alarm_pc_id = path.alarm_pc ? path.alarm_pc->id : -1;
    }
}

Piece* Gun_Ref(int id, const char* what) {
    if (id == -1) return nullptr;
    Piece* pc = Id_To_Pc(id);
    if (!pc) {
        Log_Line(std::string("LD_Load_Postprocess_Gun(): failed to find ") + what +
                 " pc for id=" + std::to_string(id));
        return nullptr;
    }
    return pc->move_state == 2 ? pc : nullptr;
}

void Gun_Restore(const LD_File& f) {
    if (f.has_gun) {
        Gun.angle = static_cast<float>(f.gun.angle % 360);
        Gun.angle_dest = static_cast<float>(f.gun.angle_dest % 360);
        Gun.anim_timer = Clamp(f.gun.anim_timer, 0, kTimerMax);
        Gun.pc_switch_cnt = Clamp(f.gun.pc_switch_cnt, 0, kTimerMax);
        Gun.firing = f.gun.firing != 0 ? 1 : 0;
        Gun.GunPc = Gun_Ref(f.gun.pc_id, "gun");
        Gun.GunPcNext = Gun_Ref(f.gun.pc_next_id, "gun_next");
        if (Gun.GunPcNext == Gun.GunPc) Gun.GunPcNext = nullptr;
    }
    Gun.pc_id = Gun.GunPc ? Gun.GunPc->id : -1;
    Gun.pc_next_id = Gun.GunPcNext ? Gun.GunPcNext->id : -1;
    // A pearl waiting at the gun that the gun doesn't hold would sit there for ever.
    for (Piece* pc = Pieces.list_first; pc;) {
        Piece* next = pc->list_next;
        if (pc->move_state == 2 && pc != Gun.GunPc && pc != Gun.GunPcNext) {
            Drop(*pc, "a gun pearl the gun doesn't hold");
            pc->Die_Quietly();
        }
        pc = next;
    }
}

void Items_Restore(const LD_File& f) {
    Items.count = 0;
    for (const Item& rec : f.items) {
        if (rec.name < 0 || rec.name >= ITEM_KINDS || rec.state < 0 || rec.state > 2 ||
            !std::isfinite(rec.x) || !std::isfinite(rec.y) || std::fabs(rec.x) > kFar ||
            std::fabs(rec.y) > kFar) {
            Log_Line("level state: item of kind " + std::to_string(rec.name) + " dropped");
            continue;
        }
        if (Items.count >= ITEMS_MAX) break;
        const ItemInfo& k = ItemInfos[rec.name];
        Item& it = Items.list[Items.count++];
        it = rec;
        it.item_type = k.item_type;
        it.img_dx = k.img_dx;
        it.img_dy = k.img_dy;
        it.img_no = k.img_no > 0 ? k.img_no : 1;
        it.img_id =
            std::isfinite(rec.img_id) ? Clampf(rec.img_id, 0, static_cast<float>(it.img_no) - 0.001f) : 0;
        it.scale_max = std::isfinite(rec.scale_max) ? Clampf(rec.scale_max, 0, 10) : k.scale_max;
        it.scale = std::isfinite(rec.scale) ? Clampf(rec.scale, 0, 10) : 0;
        it.timer_die = Clamp(rec.timer_die, 0, kTimerMax);
        it.score = Clamp(rec.score, 0, kScoreMax);
    }
}

// What the level run derives from the restored counters: the gauge stages already celebrated
// and the hammer levels already announced are not celebrated again.
void Derived_Restore() {
    float f = WinPointsStart > 0 ? 1.0f - static_cast<float>(WinPoints) / WinPointsStart : 0;
    GaugeStage = f >= 0.999f ? 3 : (f > 0.75f ? 2 : (f > 0.5f ? 1 : 0));
    HammerAnnounced = 0;
    for (const Hammer& h : Hammers)
        if (h.points_enable > 0 && HammerScore >= h.points_enable) ++HammerAnnounced;
}
} // namespace

bool LevelData_Apply(const LD_File& f) {
    if (f.header.paths_count != Paths.count) {
        Log_Line("level state: " + std::to_string(f.header.paths_count) + " tracks saved, the level has " +
                 std::to_string(Paths.count));
        return false;
    }
    Gun_Reset();
    while (Pieces.list_first)
        Pieces.list_first->Die_Quietly();
    for (int k = 0; k < Pieces.rev_count; ++k)
        Pieces.rev_queue[k]->Die_Quietly();
    Pieces.rev_count = 0;
    int next_id = Pieces.next_piece_id, max_id = -1;
    std::set<int> ids;
    for (Piece rec : f.pieces)
        if (Piece_Check(rec, false, ids) && !Piece_From(rec)) break;
    Log_Line("LevelData pieces loaded");
    for (int i = 0; i < Paths.count; ++i)
        Path_Restore(Paths.pool[i], f.paths[static_cast<size_t>(i)]);
    Items_Restore(f);
    Gun_Restore(f);
    Queue_Restore(f, ids);
    Pieces_Refs();
    Links_Check();
    Chains_Check();
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next) {
        max_id = pc->id > max_id ? pc->id : max_id;
        if (pc->mod0_id != -1) pc->Set_Modifier(pc->mod0_id);
    }
    for (int k = 0; k < Pieces.rev_count; ++k)
        max_id = Pieces.rev_queue[k]->id > max_id ? Pieces.rev_queue[k]->id : max_id;
    Pieces.next_piece_id = next_id > max_id ? next_id : max_id + 1;
    Derived_Restore();
    return true;
}
