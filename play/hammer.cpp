// Hammer charge, arming and smashing.
#include "play/hammer.h"
#include <cmath>
#include "chain/piece.h"
#include "engine/sound.h"
#include "play/fx_calls.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "play/pc_mod_actions.h"
#include "play/pointer.h"
#include "play/target_removal.h"
#include "shell/players.h"
#include "shell/random.h"

Hammer Hammers[HAMMER_LEVELS];
HammerFill HammerFills[HAMMER_FILLS];
int HammerLevel = 0;
int HammerState = 0;
int HammerAnnounced = 0;
int HammerAnnounceBlock = 0;
float HammerIconFrame = 0;
float HammerCursorFrame = 0;

namespace {
constexpr int kFillPos[HAMMER_FILLS][2] = {{754, 50},  {768, 78}, {754, 107}, {725, 123},
                                           {697, 106}, {684, 78}, {697, 51},  {724, 40}};
bool g_icon_pressed = false; // a left press began on the icon

// Starts the smash of pc; without effects the removal waits as long as the smash would.
void Smash(Piece* pc, int dx_lo, int dx_hi, int dy_lo, int dy_hi, int mode) {
    float dx = static_cast<float>(Rand(dx_lo, dx_hi)), dy = static_cast<float>(Rand(dy_lo, dy_hi));
    if (FX_HammerSmash(pc, dx, dy, mode)) return;
    Sfx_Play(kSfxHammer, Player_FxVolume(), Rnd(2.0f, 3.0f), pc->x, pc->y);
    Target_Removal_Add(pc, mode, SMASH_REMOVE_MS);
}

Piece* Target() {
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
        if (pc->state & PCS_HOVERED) return pc;
    return nullptr;
}

void Spent() {
    HammerScore = 0;
    HammerAnnounced = 0;
}

int Smash_One() {
    Piece* t = Target();
    if (!t) return 0;
    Smash(t, -50, 50, -100, -50, 1);
    Spent();
    PowerUps_Stats.smashes += 1;
    return 1;
}

bool Smashable_Beside(const Piece* t, const Piece* pc) {
    return pc && pc->segm_id == t->segm_id && pc->color != PC_PUSHER;
}

int Smash_Five() {
    Piece* t = Target();
    Spent();
    if (!t) return 0;
    for (int side = 0; side < 2; ++side) {
        Piece* n1 = side == 0 ? t->pc_next : t->pc_prev;
        if (!Smashable_Beside(t, n1)) continue;
        Smash(n1, -50, 50, -300, -100, 1);
        Piece* n2 = side == 0 ? n1->pc_next : n1->pc_prev;
        if (Smashable_Beside(t, n2)) Smash(n2, -100, 100, -400, -200, 1);
    }
    t->Remove_By_Set(0);
    PowerUps_Stats.smashes += 1;
    return 1;
}

int Smash_Colour() {
    Piece* t = Target();
    if (!t) return 0;
    int c = t->color;
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
        if (pc->color == c && pc->move_state != 2) Smash(pc, -150, 150, -500, -200, pc == t ? 1 : 0);
    Spent();
    PowerUps_Stats.smashes += 1;
    return 1;
}

// The charge effect: sparks from the gun to the icon.
void Announce_Burst(int angle_step, int growth) {
    float gx = static_cast<float>(GunX), gy = static_cast<float>(GunY);
    int d = 0;
    for (int a = 0; a <= 90; a += angle_step) {
        FX_HammerChargeA(1, gx, gy, d);
        d += static_cast<int>(growth * std::sin(a * M_PI / 180.0) + 20);
    }
    FX_HammerChargeB(2, gx, gy, d + 200);
}

void Announce_Stream() {
    float gx = static_cast<float>(GunX), gy = static_cast<float>(GunY);
    for (int d = 0; d <= 2400; d += 150)
        FX_HammerChargeB(1, gx, gy, d);
    FX_HammerChargeB(2, gx, gy, 2650);
    FX_HammerChargeB(2, gx, gy, 2750);
}

void Announce(int level) {
    if (HammerAnnounced != level || HammerAnnounceBlock) return;
    HammerAnnounced = level + 1;
    if (level == 0)
        Announce_Burst(15, 50);
    else if (level == 1)
        Announce_Burst(6, 80);
    else
        Announce_Stream();
    Sfx_PlayAt(kSfxGetHammer, 400);
}

void Ring(int p) {
    if (p <= Hammers[0].points_enable || p >= Hammers[2].points_enable) return;
    int lo = p < Hammers[1].points_enable ? Hammers[0].points_enable : Hammers[1].points_enable;
    int hi = p < Hammers[1].points_enable ? Hammers[1].points_enable : Hammers[2].points_enable;
    int n = (p - lo) * HAMMER_FILLS / (hi - lo);
    float r = static_cast<float>(p - lo) * HAMMER_FILLS / (hi - lo) - n;
    for (int i = 0; i < HAMMER_FILLS; ++i)
        HammerFills[i].alpha = i < n ? 1 : (i == n ? (n > 7 ? 0 : r) : 0);
}

// The icon works as the hammer's button: pressed and released over it.
bool Icon_Button() {
    if (HammerState == 0) {
        g_icon_pressed = false;
        return false;
    }
    // A release and a new press can arrive in one frame: the release of the earlier press
    // counts first.
    bool on = Hammer_OnIcon(PtrX, PtrY), used = false;
    if (LeftReleased && g_icon_pressed) {
        g_icon_pressed = false;
        LeftReleased = 0;
        if (on) Hammer_ButtonClicked();
        used = true;
    }
    if (LeftHit && on) {
        g_icon_pressed = true;
        LeftHit = 0;
        used = true;
    }
    return used;
}
} // namespace

void Hammer_Init() {
    const int size[HAMMER_LEVELS] = {64, 74, 90};
    const int off[HAMMER_LEVELS][2] = {{2, -3}, {2, 8}, {-1, -2}};
    const int points[HAMMER_LEVELS] = {300, 900, 2400};
    int (*const smash[HAMMER_LEVELS])() = {Smash_One, Smash_Five, Smash_Colour};
    for (int l = 0; l < HAMMER_LEVELS; ++l) {
        Hammer& h = Hammers[l];
        h.img_dx = h.img_dy = size[l];
        h.img_no = 32;
        h.off_x = off[l][0];
        h.off_y = off[l][1];
        h.points_enable = points[l];
        h.On_LeftUp = smash[l];
    }
    for (int i = 0; i < HAMMER_FILLS; ++i) {
        HammerFills[i].x = kFillPos[i][0];
        HammerFills[i].y = kFillPos[i][1];
        HammerFills[i].alpha = 0;
    }
}

void Hammer_Reset() {
    HammerLevel = HammerState = HammerAnnounced = HammerAnnounceBlock = 0;
    HammerIconFrame = HammerCursorFrame = 0;
    HammerScore = 0;
    g_icon_pressed = false;
    for (HammerFill& f : HammerFills)
        f.alpha = 0;
}

void Hammer_Update() {
    Target_Removal_Update();
    if (NoHammer) return;
    int p = HammerScore;
    if (p < Hammers[0].points_enable) {
        HammerState = 0;
        HammerLevel = 0;
    } else {
        if (HammerState != 2) HammerState = 1;
        HammerLevel = p < Hammers[1].points_enable ? 0 : (p < Hammers[2].points_enable ? 1 : 2);
        Announce(HammerLevel);
    }
    Ring(p);
}

void Hammer_Input() {
    if (NoHammer) return;
    if (Icon_Button()) return;
    if (HammerState != 2) return;
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next) {
        if (pc->move_state == 2 || pc->color == PC_PUSHER) continue;
        float r = pc->radius;
        if (PtrX > pc->x - r && PtrX < pc->x + r && PtrY > pc->y - r && PtrY < pc->y + r)
            pc->state |= PCS_HOVERED;
    }
    if (LeftReleased)
        Hammers[HammerLevel].On_LeftUp();
    else if (RightReleased)
        HammerState = 1;
    LeftHit = LeftReleased = RightHit = RightReleased = 0;
}

void Hammer_ButtonClicked() {
    if (NoHammer) return;
    if (HammerState == 1) {
        HammerState = 2;
        HammerCursorFrame = HammerIconFrame;
    } else if (HammerState == 2) {
        HammerState = 1;
    }
}

void Hammer_SetState(int s) {
    HammerState = s < 0 ? 0 : (s > 2 ? 2 : s);
}

void Hammer_SetLevel(int l) {
    HammerLevel = l < 0 ? 0 : (l >= HAMMER_LEVELS ? HAMMER_LEVELS - 1 : l);
}

bool Hammer_OnIcon(int x, int y) {
    const Hammer& h = Hammers[HammerLevel];
    int ix = HAMMER_ICON_X + h.off_x, iy = HAMMER_ICON_Y + h.off_y;
    return x >= ix && x < ix + h.img_dx && y >= iy && y < iy + h.img_dy;
}
