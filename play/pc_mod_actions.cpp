// The ten modifier actions.
#include "play/pc_mod_actions.h"
#include <limits>
#include "chain/match.h"
#include "chain/path.h"
#include "chain/pc_mod.h"
#include "chain/piece.h"
#include "engine/sound.h"
#include "play/flame_orb.h"
#include "play/fx_calls.h"
#include "play/ingame_steps.h"
#include "play/level_state.h"
#include "play/target_removal.h"
#include "shell/random.h"
#include "shell/texts.h"

PowerUp_Stats PowerUps_Stats;

namespace {
constexpr int kPopupFont = 6;
constexpr float kCentre = 400;    // pan of the sounds played at the centre
constexpr int kSparkleStep = 100; // ms between two score sparkles
constexpr int kStardustMin = 7, kStardustMax = 11;
constexpr int kBombCollectMax = 256;

// Where the emblem was, kept after it went.
struct Fired {
    int kind;
    float x, y;
    float heading;
    Piece* owner;
};

// Every action starts here: the emblem leaves the draw list and its owner.
Fired Take_Off(PcMod* m) {
    Fired f{m->id, m->x, m->y, static_cast<float>(m->angle), m->pc_owner};
    if (Piece* o = m->pc_owner) {
        f.x = o->x;
        f.y = o->y;
        f.heading = o->angle;
        if (o->mod0 == m) o->mod0 = nullptr;
    }
    m->Free();
    return f;
}

void Popup(const Fired& f) {
    const std::string& name = TxtModifiers[f.kind];
    if (name.empty()) return;
    Step_Run(InGame_Steps.fx_text_popup, name, kPopupFont, f.x, f.y, f.heading, 0);
}

// Counted and popped up: the action of a matched pearl.
void Fire(const Fired& f) {
    PowerUps_Stats.mods_fired += 1;
    Popup(f);
}

void Sparkles(const Fired& f, int n) {
    for (int i = 0; i < n; ++i)
        FX_ScoreSparkle(f.x, f.y, i * kSparkleStep, Rand(1, 31));
}

int Precision(PcMod* m, int matched) {
    Fired f = Take_Off(m);
    if (!matched) return 0;
    Sfx_PlayAt(kSfxPrecision, kCentre);
    PcModPrecisionCnt = PCMOD_PRECISION_MS;
    Fire(f);
    return 1;
}

int Reverse(PcMod* m, int matched) {
    Fired f = Take_Off(m);
    if (!matched) return 0;
    FX_ReverseSwirl(f.x, f.y);
    Sfx_PlayAt(kSfxRollBack, f.x);
    PcModReverseCnt = PCMOD_REVERSE_MS;
    PcModPauseCnt = 0;
    Fire(f);
    return 1;
}

// A star burst on pc; without effects the detonation waits as long as its animation would.
void Star_Burst(Piece* pc) {
    if (FX_StarBurst(pc)) return;
    Sfx_Play(kSfxHammer, 1.0f, Rnd(1.5f, 2.0f), 0, 0);
    Target_Removal_Add(pc, 0, STAR_BURST_REMOVE_MS);
}

int Stardust(PcMod* m, int matched) {
    Fired f = Take_Off(m);
    if (!matched) return 0;
    int n = Rand(kStardustMin, kStardustMax);
    Piece* picks[STARDUST_COLLECT_MAX];
    int count = 0;
    for (int i = 0; i < Paths.count && count < STARDUST_COLLECT_MAX; ++i)
        for (Piece* pc = Paths.pool[i].first_pc; pc && count < STARDUST_COLLECT_MAX; pc = pc->pc_next)
            if (pc->explode_delay == 0 && pc->color != PC_PUSHER) picks[count++] = pc;
    if (count == 0) return 0;
    for (int k = 0; k < n; ++k)
        Star_Burst(picks[Rand(0, count - 1)]);
    Fire(f);
    return 1;
}

void Freeze_Effect(float x, float y) {
    if (InGame_Steps.fx_freeze)
        InGame_Steps.fx_freeze(x, y);
    else
        Sfx_PlayAt(kSfxFreeze, x); // the effect plays the sound when it exists
}

int Freeze(PcMod* m, int matched) {
    Fired f = Take_Off(m);
    if (!matched) return 0;
    PcModPauseCnt = PCMOD_FREEZE_MS;
    Freeze_Effect(f.x, f.y);
    PcModReverseCnt = 0;
    Fire(f);
    return 1;
}

// Way left from the front pearl to the end of its track.
double Way_To_End(const Path& path) {
    const Piece* pc = path.first_pc;
    double d = -pc->bz_dist;
    for (int s = pc->pt_crt - 1; s >= 0 && s < path.Segments(); ++s)
        d += path.Seg_Length(s);
    return d;
}

// The track whose front pearl is closest to its hole; the owner's track when none holds pearls.
Path* Orb_Path(const Piece* owner) {
    Path* owner_path = owner ? owner->Get_Path() : nullptr;
    if (Paths.count == 1) return owner_path ? owner_path : &Paths.pool[0];
    Path* best = nullptr;
    double best_d = std::numeric_limits<double>::max();
    for (int i = 0; i < Paths.count; ++i) {
        Path& p = Paths.pool[i];
        if (!p.first_pc) continue;
        double d = Way_To_End(p);
        if (d < best_d) best = &p, best_d = d;
    }
    return best ? best : owner_path;
}

int Flame_Orb(PcMod* m, int matched) {
    Fired f = Take_Off(m);
    if (!matched || FlameOrbActive == 1) return 0;
    Sfx_PlayAt(kSfxFlameOrb, f.x);
    FlameOrb_Launch(Orb_Path(f.owner));
    FlameOrbActive = 1;
    Fire(f);
    return 1;
}

int Fireball(PcMod* m, int matched) {
    Fired f = Take_Off(m);
    if (!matched) return 0;
    PcModFireballCnt = 1;
    Fire(f);
    return 1;
}

int Chain(PcMod* m, int matched) {
    Fired f = Take_Off(m);
    if (!matched) return 0;
    FX_ChainBreak(f.x, f.y);
    PowerUps_Stats.mods_fired += 1;
    return 1;
}

int Score2x(PcMod* m, int matched) {
    Fired f = Take_Off(m);
    if (!matched) return 0;
    Sparkles(f, 10);
    PcModScore2xCnt = PCMOD_SCORE2X_MS;
    Fire(f);
    return 1;
}

int Score3x(PcMod* m, int matched) {
    Fired f = Take_Off(m);
    if (!matched) return 0;
    Sparkles(f, 20);
    PcModScore3xCnt = PCMOD_SCORE3X_MS;
    Fire(f);
    return 1;
}

// Pearls in reach of the bomb at (x, y): not pushers, fireballs or the gun's pearls.
int Bomb_Victims(float x, float y, Piece** out, int* ids) {
    int n = 0;
    for (Piece* pc = Pieces.list_first; pc && n < kBombCollectMax; pc = pc->list_next) {
        if (pc->color == PC_PUSHER || pc->color == PC_FIREBALL || pc->move_state == 2) continue;
        double dx = pc->x - x, dy = pc->y - y;
        if (static_cast<long>(dx * dx + dy * dy) >= BOMB_RADIUS * BOMB_RADIUS) continue;
        out[n] = pc;
        ids[n++] = pc->id;
    }
    return n;
}

int Area_Bomb(PcMod* m, int matched) {
    Fired f = Take_Off(m);
    FX_AreaBomb(f.x, f.y);
    Sfx_PlayAt(kSfxBomb, kCentre);
    if (!matched) return 0;
    // Collected first: each removal may fire a modifier that removes further pearls.
    Piece* victims[kBombCollectMax];
    int ids[kBombCollectMax];
    int n = Bomb_Victims(f.x, f.y, victims, ids);
    for (int i = 0; i < n; ++i)
        if (victims[i]->alive && victims[i]->listed && victims[i]->id == ids[i]) victims[i]->Remove_By_Set(0);
    Fire(f);
    return 1;
}
} // namespace

void PcMod_InitTypes() {
    int (*const actions[PCMOD_KINDS])(PcMod*, int) = {Precision, Reverse, Stardust, Freeze,  Flame_Orb,
                                                      Fireball,  Chain,   Score2x,  Score3x, Area_Bomb};
    for (int k = 0; k < PCMOD_KINDS; ++k)
        PcModTypes[k].On_PieceRemoved = actions[k];
    Pieces.rev_count = 0;
}

void PcMod_Reset() {
    Pieces.rev_count = 0;
    for (PcModType& k : PcModTypes)
        k.percent = 0;
    PcModPrecisionCnt = PcModReverseCnt = 0;
    FlameOrbActive = 0;
    PcModFireballCnt = PcModScore2xCnt = PcModScore3xCnt = 0;
    PowerUps_Stats = PowerUp_Stats{};
    Target_Removal_Reset();
}
