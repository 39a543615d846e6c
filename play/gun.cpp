// Gun update: aiming and its turning sound, loading, the colour rules of the gun pearls,
// the firing animation and recoil, the burst limit and the right-click throw-away.
#include "play/gun.h"
#include <cmath>
#include "chain/colors.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "engine/sound.h"
#include "play/fx_calls.h"
#include "play/gun_keys.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "play/pointer.h"
#include "play/score.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/players.h"
#include "shell/random.h"

Gun_State Gun;

namespace {
constexpr double DEG = M_PI / 180.0;
constexpr float FIREBALL_SPEED = 640;     // flight speed of a fireball, units/s
constexpr float GUN_FRAME_RATE = 80;      // firing animation frames per second
constexpr float RECOIL_START = 10;        // recoil amplitude of a shot, screen units
constexpr float RECOIL_DECAY = 8;         // amplitude lost per second
constexpr float RECOIL_PHASE_RATE = 0.2f; // degrees of phase per ms
constexpr float MUZZLE_DIST = 50;         // muzzle flash distance from the centre
constexpr float MUZZLE_SCALE = 0.5f;

void Set_Pc(Piece* pc) {
    Gun.GunPc = pc;
    Gun.pc_id = pc ? pc->id : -1;
}

void Set_Next(Piece* pc) {
    Gun.GunPcNext = pc;
    Gun.pc_next_id = pc ? pc->id : -1;
}

// GunPcNext moves up to GunPc and a new next pearl is made.
void Move_Up() {
    Piece* pc = Gun.GunPcNext;
    pc->state &= ~PCS_GUN_NEXT;
    pc->scale = pc->Get_Orig_Scale();
    Set_Pc(pc);
    Set_Next(nullptr);
    Gun_NewNext();
}

// A gun pearl d units behind the centre, shaken by the recoil.
void Place(Piece* pc, float d) {
    double ca = std::cos(Gun.angle * DEG), sa = std::sin(Gun.angle * DEG);
    double back = (Gun.angle - 180) * DEG;
    double shake = Gun.RecoilAmp * std::sin(Gun.RecoilPhase * DEG);
    pc->angle = pc->anim_angle = Gun.angle;
    pc->x = static_cast<float>(GunX + d * std::cos(back) - shake * ca);
    pc->y = static_cast<float>(GunY + d * std::sin(back) - shake * sa);
}

bool Board_Holds(int color) {
    for (int i = 0; i < Paths.count; ++i)
        for (const Piece* pc = Paths.pool[i].first_pc; pc; pc = pc->pc_next)
            if (pc->color == color) return true;
    return false;
}

// The barrel's turn of this frame, degrees 0..180 (a turn across the left-pointing direction
// is as small as it looks).
float Turn(float from, float to) {
    float d = std::fmod(std::abs(to - from), 360.0f);
    return d > 180 ? 360 - d : d;
}

void Aim() {
    if (!GunKeys_Aim(Gun.angle_dest))
        Gun.angle_dest = static_cast<float>(std::atan2(PtrY - GunY, PtrX - GunX) / DEG);
    Gun.TurnSoundCooldown -= static_cast<int>(FrameTime);
    if (Gun.TurnSoundCooldown <= 0 && Turn(Gun.angle, Gun.angle_dest) > GUN_TURN_SOUND_ANGLE) {
        Gun.TurnSoundCooldown = GUN_TURN_SOUND_GAP;
        Sfx_PlayAt(kSfxBowTurn, ScreenCenterX);
    }
    Gun.angle = Gun.angle_dest;
    Gun.AimHit = Gun_AimRay(Gun.AimEndX, Gun.AimEndY);
}

void Animate() {
    if (Gun.firing == 1) {
        Gun.GunFrame += GUN_FRAME_RATE * FrameDt;
        if (Gun.GunFrame >= GUN_FRAMES) {
            Gun.firing = 0;
            Gun.GunFrame = 0;
        }
        Gun.RecoilAmp = std::max(0.0f, Gun.RecoilAmp - RECOIL_DECAY * FrameDt);
        Gun.RecoilPhase += RECOIL_PHASE_RATE * FrameTime;
    }
    if (Gun.firing == 0) Gun.RecoilAmp = 0;
}

void Keep_Pearls() {
    if (Piece* pc = Gun.GunPc) {
        Place(pc, GUN_PC_DIST);
        if (PcModFireballCnt >= 1) {
            if (pc->color != PC_FIREBALL) pc->Set_Color(PC_FIREBALL);
            pc->state |= PCS_FIREBALL;
            pc->spd_free_move = FIREBALL_SPEED;
            FX_FireballTrail(pc->x, pc->y);
        } else {
            Gun_KeepColorValid(pc);
        }
    }
    if (Piece* pc = Gun.GunPcNext) {
        Place(pc, GUN_PC_NEXT_DIST);
        Gun_KeepColorValid(pc);
    }
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
        if (pc->move_state == 1 && !(pc->state & PCS_FIREBALL)) Gun_KeepColorValid(pc);
}

void Fire() {
    Piece* pc = Gun.GunPc;
    FX_MuzzleFlash(static_cast<float>(GunX + std::cos(Gun.angle * DEG) * MUZZLE_DIST),
                   static_cast<float>(GunY + std::sin(Gun.angle * DEG) * MUZZLE_DIST), MUZZLE_SCALE,
                   pc->color);
    Sfx_PlayAt(kSfxBowRelease, ScreenCenterX);
    Gun.firing = 1;
    Gun.GunFrame = 1;
    Gun.pc_switch_cnt = 0;
    pc->move_state = 1;
    pc->angle = Gun.angle;
    if (PcModFireballCnt != 0) {
        PcModFireballCnt -= 1;
        Sfx_PlayAt(kSfxFireball, static_cast<float>(GunX));
    }
    Set_Pc(nullptr);
    Gun.RecoilAmp = RECOIL_START;
    Gun.RecoilPhase = 0;
}

// A click fires unless it is the fourth within a run of quick shots.
void Try_Fire() {
    if (!(LeftHit || GunKeys_Fire()) || !Gun.GunPc) return;
    if (Gun.SinceShot >= GUN_BURST_GAP) {
        Gun.SinceShot = 0;
        Gun.BurstAllowance = 1;
    } else if (Gun.BurstAllowance < 0) {
        Log_Line("stopped by burst");
        return;
    } else {
        Gun.BurstAllowance -= 1;
        Gun.SinceShot = 0;
    }
    Fire();
}
} // namespace

void Gun_Reset() {
    for (Piece* pc : {Gun.GunPc, Gun.GunPcNext})
        if (pc && pc->alive && pc->move_state == 2) pc->Die_Quietly();
    int cooldown = Gun.TurnSoundCooldown; // not part of the level start
    Gun = Gun_State{};
    Gun.TurnSoundCooldown = cooldown;
    GunKeys_Reset();
}

void Gun_Update() {
    GunKeys_Update();
    Aim();
    if (!Gun.GunPcNext) Gun_NewNext();
    if (!Gun.GunPcNext) return;
    if (!Gun.GunPc && Gun.firing == 0) Move_Up();
    Animate();
    Keep_Pearls();
    Gun.SinceShot += static_cast<int>(FrameTime);
    Try_Fire();
}

void Gun_RightClick() {
    if (!Gun.GunPcNext) Gun_NewNext();
    if (!Gun.GunPcNext) return;
    if (Piece* pc = Gun.GunPc) {
        Set_Pc(nullptr);
        pc->Destroy(3, pc->color, 0, 0);
    }
    Move_Up();
    Gun.pc_switch_cnt += 1;
    Score_Add(-GUN_THROW_COST, 1);
}

void Gun_ToggleGuide() {
    Gun.AimPointerOff ^= 1;
}

int Gun_ColorFromBoard() {
    int found[COLORS_MAX];
    int n = 0;
    for (int i = 0; i < Paths.count; ++i) {
        const Path& path = Paths.pool[i];
        for (const Piece* pc = path.first_pc; pc && pc->pt_crt > path.pt_end_zone; pc = pc->pc_next) {
            if (pc->color < 0 || pc->color >= 7) continue;
            bool seen = false;
            for (int k = 0; k < n; ++k)
                seen = seen || found[k] == pc->color;
            if (!seen && n < COLORS_MAX) found[n++] = pc->color;
        }
    }
    return n == 0 ? -1 : found[Rand(0, n - 1)];
}

void Gun_NewNext() {
    int color = Gun_ColorFromBoard();
    if (color == -1) color = Color_Get_From_Path();
    if (JokerOnGun > 0 && Rand(1, 100) < JokerOnGun) color = PC_JOKER;
    Piece* pc = Piece::Create(color, GunX, GunY, 2, 2);
    if (!pc) return;
    pc->img_crt = 0;
    pc->state |= PCS_GUN_NEXT;
    pc->scale = pc->Get_Orig_Scale();
    Set_Next(pc);
}

void Gun_KeepColorValid(Piece* p) {
    if (!p || p->color == PC_JOKER) return;
    if (Board_Holds(p->color) || Paths_Empty()) return;
    p->Set_Color(Color_Get_From_Path());
}

int Gun_AimRay(int& out_x, int& out_y) {
    if (Gun.AimPointerOff == 1) return 0;
    double x = GunX, y = GunY;
    double cx = std::cos(Gun.angle * DEG), cy = std::sin(Gun.angle * DEG);
    int hit = 0;
    while (!hit && x > 0 && x < ScreenWidth && y > 0 && y < ScreenHeight) {
        x += cx;
        y += cy;
        for (int i = 0; i < Paths.count && !hit; ++i)
            for (const Piece* pc = Paths.pool[i].first_pc; pc && !hit; pc = pc->pc_next) {
                if (pc->state & PCS_HOLE_MARK) continue;
                double dx = pc->x - x, dy = pc->y - y;
                hit = std::trunc(dx * dx + dy * dy) <= std::trunc(4 * pc->radius * pc->radius);
            }
    }
    out_x = static_cast<int>(x);
    out_y = static_cast<int>(y);
    return hit;
}

void Gun_Forget(Piece* pc) {
    if (Gun.GunPc == pc) Set_Pc(nullptr);
    if (Gun.GunPcNext == pc) Set_Next(nullptr);
}
