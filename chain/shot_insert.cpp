// Insertion of a shot: side choice, the placeholder that opens the gap, the glide into it,
// and the arrival that turns the placeholder into the new chain pearl and runs the match.
#include <cmath>
#include <string>
#include "chain/match.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "chain/shot.h"
#include "engine/sound.h"
#include "play/fx_calls.h"
#include "play/level_state.h"
#include "play/score.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/players.h"
#include "shell/random.h"

namespace {
constexpr double DEG = M_PI / 180.0;
constexpr double TOUCH_FACTOR = 1.1; // along-track contact tolerance at arrival, in sums of radii
constexpr int ITEM_SET_SIZE = 6;     // a set this large brings an item
constexpr int ITEM_CHAIN_STEP = 5;   // so does every fifth chain step
constexpr int ITEM_KINDS = 3;        // items kinds 0..3 may appear

double Wrap180(double a) {
    a = std::fmod(a, 360.0);
    if (a > 180) a -= 360;
    if (a < -180) a += 360;
    return a;
}

// The placeholder takes the hit pearl's place and motion.
Piece* Make_Placeholder(Piece* shot, const Piece* hit) {
    Piece* d = Piece::Create(PC_DUMMY, static_cast<int>(hit->x), static_cast<int>(hit->y), hit->z, 0);
    if (!d) return nullptr;
    d->path_id = hit->path_id;
    d->pt_crt = hit->pt_crt;
    d->pt_crt_old = hit->pt_crt_old;
    d->move_left_next_pt = hit->move_left_next_pt;
    d->move_next_pt = hit->move_next_pt;
    d->t = hit->t;
    d->bz_dist = hit->bz_dist;
    d->bz_dist_old = hit->bz_dist_old;
    d->burst_id = hit->burst_id;
    d->angle = hit->angle;
    d->segm_dir = hit->segm_dir;
    d->segm_dir_old = hit->segm_dir_old;
    d->spd = hit->spd;
    d->state |= PCS_HIDDEN;
    d->pc_insert_id = shot->id;
    if (hit->state & PCS_ANIM_BACK) {
        d->state |= PCS_ANIM_BACK;
        d->dummy_reversed = PCS_ANIM_BACK;
    }
    shot->pc_dummy_insert = d;
    shot->pc_dummy_insert_id = d->id;
    return d;
}

// In front: one contact distance further along the track than the hit pearl.
void Place_In_Front(Piece* d, const Piece* hit, const Piece* shot) {
    const Path* path = hit->Get_Path();
    int seg = 0;
    double t = 0;
    path->Compute_New_Pos(hit->pt_crt - 1, hit->t, hit->radius + shot->radius, seg, t);
    const Bz_Samples& tab = path->Table(seg);
    int i = Sample_Index(t);
    d->x = tab.x[i];
    d->y = tab.y[i];
    d->bz_dist = tab.dist_tot[i];
    d->pt_crt = seg + 1;
    d->t = static_cast<float>(t);
}

void Hit_Sounds(const Piece* shot) {
    float fx = Player_FxVolume();
    Sfx_Play(kSfxStringsConnect, fx * 0.5f, Rnd(0.95f, 1.05f), shot->x, shot->y);
    FX_PearlBurst(shot->x, shot->y, shot->color, 0);
    Sfx_Play(Rand(1, 100) > 50 ? kSfxHitString1 : kSfxHitString2, fx, 1.0f, shot->x, shot->y);
}

// Arrival touching the pearl ahead: that run joins the new pearl's segment, so the contact
// is not taken for a join of two segments.
void Adopt_Run_Ahead(Piece* pc) {
    Piece* ahead = pc->pc_prev;
    if (!ahead) return;
    double along = std::abs(pc->Compute_Dist_On_Bezier(ahead, 1));
    if (along > TOUCH_FACTOR * (pc->radius + ahead->radius)) return;
    int seg = ahead->segm_id;
    for (Piece* p = ahead; p && p->segm_id == seg; p = p->pc_prev) {
        p->segm_id = pc->segm_id;
        p->segm_id_old = pc->segm_id_old;
    }
}

void Item_For_Big_Set(const Piece* shot) {
    bool big = Match.count >= ITEM_SET_SIZE || (ScoreChainCnt > 0 && ScoreChainCnt % ITEM_CHAIN_STEP == 0);
    if (!big || !Shot_Hooks.item_create) return;
    int kind = Rand(0, ITEM_KINDS);
    double r = Rand(static_cast<int>(2 * shot->radius), static_cast<int>(3 * shot->radius));
    double a = std::trunc(shot->angle - 180) * DEG;
    Shot_Hooks.item_create(kind, static_cast<int>(shot->x + r * std::cos(a)),
                           static_cast<int>(shot->y + r * std::sin(a)));
}
} // namespace

bool Shot_Insert_In_Front(const Piece* shot, const Piece* hit) {
    double dir = std::atan2(shot->y - hit->y, shot->x - hit->x) / DEG;
    double a = std::abs(Wrap180(dir - hit->angle));
    bool back = hit->segm_dir == SEGM_BACK;
    if (hit->color == PC_PUSHER) {
        Log_Line("----- INSERT FORCED in front");
        a = back ? 91 : 0;
    }
    if (hit->pc_prev && (hit->pc_prev->state & PCS_IN_HOLE)) {
        Log_Line("----- INSERT FORCED behind bc of hole");
        a = back ? 0 : 91;
    }
    return (a < 90 && !back) || (a > 90 && back);
}

void Shot_Begin_Insert(Piece* shot, Piece* hit) {
    bool front = Shot_Insert_In_Front(shot, hit);
    Piece* d = Make_Placeholder(shot, hit);
    if (!d) {
        shot->Destroy(0, shot->color, 0, 0);
        return;
    }
    std::string ids = std::to_string(shot->id) + " dummy id = " + std::to_string(d->id);
    if (front) {
        Log_Line("----- INSERT in front id = " + ids);
        d->Path_Insert_Before(hit);
        Place_In_Front(d, hit, shot);
    } else {
        Log_Line("------ INSERT behind id = " + ids);
        d->Path_Insert_After(hit);
    }
    Hit_Sounds(shot);
    shot->angle_to_dummy = std::atan2(shot->y - d->y, shot->x - d->x) / DEG - d->angle;
    shot->dist_to_dummy = std::hypot(shot->x - d->x, shot->y - d->y);
    shot->spd_insert = static_cast<float>(SHOT_GLIDE_SPEED * shot->dist_to_dummy / (2 * shot->radius));
    shot->move_state = 3;
    shot->Animate_Moving();
}

void Piece::Move_Insert() {
    Piece* d = pc_dummy_insert;
    if (!d) {
        Destroy(0, color, 0, 0);
        return;
    }
    double b = std::trunc(d->angle + angle_to_dummy);
    if ((d->state & PCS_ANIM_BACK) != d->dummy_reversed) b += 180;
    x = static_cast<float>(d->x + dist_to_dummy * std::cos(b * DEG));
    y = static_cast<float>(d->y + dist_to_dummy * std::sin(b * DEG));
    moved_on_frame = spd_insert * FrameDt;
    dist_to_dummy -= moved_on_frame;
    if (dist_to_dummy > 1) {
        Animate_Moving();
        return;
    }
    Log_Line("----- INSERTED id=" + std::to_string(id) + " dummy id=" + std::to_string(d->id));
    d->color = color;
    d->img_count = img_count;
    d->state &= ~PCS_HIDDEN;
    Adopt_Run_Ahead(d);
    // Pearls the placeholder was pushing keep its speed (before a match may remove it).
    for (Piece* p = d->pc_prev; p && (p->state & PCS_PUSHED) && p->dummy_pushing_me == d; p = p->pc_prev)
        p->spd = d->spd;
    if (Check_Match(d, 1, 1)) {
        Item_For_Big_Set(this);
    } else {
        Score_ChainReset();
        Score_ComboReset();
    }
    pc_dummy_insert = nullptr;
    pc_dummy_insert_id = -1;
    Destroy(0, color, 0, 0);
}
