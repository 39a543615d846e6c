// Recipes of the power-ups and the hammer: charge sparks, the frost wave, the hammer smash,
// the reverse swirl, the star burst, score sparkles, the flame orb's trail and the area bomb.
#include <algorithm>
#include <cmath>
#include "chain/piece.h"
#include "engine/sound.h"
#include "engine/gfx.h"
#include "fx/fx_images.h"
#include "fx/fx_recipe_parts.h"
#include "fx/fx_recipes.h"
#include "shell/app_state.h"
#include "shell/players.h"
#include "shell/random.h"

namespace fx {
namespace {
void Target(Gfx_Obj* o, Piece* pc) {
    o->pc = pc;
    o->pc_id = pc->id;
}

// Without an effect object (image missing, pool full) the target still goes, at once, the
// way the effect would have removed it.
void Remove_Now(Piece* pc, bool by_set) {
    float x = pc->x, y = pc->y;
    if (by_set)
        pc->Remove_By_Set(0);
    else
        pc->Destroy(1, pc->color, 0, 0);
    Sfx_PlayMatch(x, y);
}

Gfx_Obj* Charge(int image, float x, float y, int delay) {
    Gfx_Obj* o =
        FX_NewImage(8, image == 2 ? FXI_HAMMER_START2 : FXI_HAMMER_START1, x, y, delay, FX_LAYER_TOP);
    if (!o) return nullptr;
    FX_SetColor(o, FX_DarkTint(1, kWhite));
    o->step_x = o->step_y = 10;
    o->rotate_speed = 100;
    o->rotate_angle = static_cast<float>(Rand(1, 360));
    o->Fadeout = -0.0015f;
    o->Fadein = 0.0001f;
    return o;
}
} // namespace

void FX_HammerChargeA(int image, float x, float y, int delay) {
    Gfx_Obj* o = Charge(image, x, y, delay);
    if (!o) return;
    o->alpha = 0.25f;
    o->Scale_x = o->Scale_y = 1.5f;
    o->Scale_speed = 0.35f;
    o->rotate_accel = 200.0f + Rand(1, 200);
}

void FX_HammerChargeB(int image, float x, float y, int delay) {
    Gfx_Obj* o = Charge(image, x, y, delay);
    if (!o) return;
    o->alpha = 0.7f;
    o->Scale_speed = 0.05f;
    o->rotate_accel = 200;
}

void FX_Freeze(float x, float y) {
    Sfx_PlayAt(kSfxFreeze, x);
    Gfx_Obj* o = FX_NewImage(9, FXI_PAUSE, x, y, 0, FX_LAYER_LOW);
    if (!o) return;
    o->alpha = 0.2f;
    o->Fadein = 0.001f;
    o->Fadeout = -0.00012f;
    o->Scale_speed = -30;
    o->rotate_speed = 10;
    o->rotate_accel = 10;
    o->rotate_angle = static_cast<float>(Rand(1, 360));
}

void FX_HammerSmash(Piece* pc, float dx, float dy, int mode) {
    if (!pc || !pc->alive) return;
    Sfx_Play(kSfxHammer, Player_FxVolume(), Rnd(2, 3), pc->x, pc->y);
    Gfx_Obj* o = FX_NewImage(10, FXI_HAMMER_SMASH1, pc->x + dx, pc->y + dy, 0, FX_LAYER_MID);
    if (!o) return Remove_Now(pc, mode == 1);
    Target(o, pc);
    Strip(o, 19, 50);
    o->alpha = 0.5f;
    o->Scale_x = o->Scale_y = 2.5f;
    o->Fadeout = -0.01f;
    o->Fadein = 0.01f;
    o->Scale_speed = 2;
    o->data1 = mode;
}

void FX_ReverseSwirl(float x, float y) {
    int per_ring = static_cast<int>(0.75f * AvgFps) + 1;
    for (int ring = 0; ring < 16; ++ring) {
        float angle = ring * 22.0f, radius = 30;
        FX_Rgb tint = FX_DarkTint(static_cast<int>(Rnd(1, 3)), kWhite);
        for (int i = 0; i < per_ring; ++i, radius += 5, angle += Rnd(3, 5)) {
            Gfx_Obj* o = FX_NewImage(11, FXI_CIRCLE_WAVE, x, y, 0, FX_LAYER_MID);
            if (!o) return;
            o->spd_x = x;
            o->spd_y = y;
            o->move_speed = radius;
            o->rotate_angle = std::fmod(angle, 360.0f);
            o->x = x + radius * std::cos(o->rotate_angle * kDeg);
            o->y = y + radius * std::sin(o->rotate_angle * kDeg);
            Strip(o, 31, 60);
            o->alpha = 0;
            o->Scale_x = o->Scale_y = 0.5f + Rnd(0, 0.3f);
            o->Fadeout = -0.0003f;
            o->Fadein = 0.005f;
            o->Scale_speed = 0.4f;
            FX_SetColor(o, tint);
        }
    }
}

void FX_StarBurst(Piece* pc) {
    if (!pc || !pc->alive) return;
    Sfx_Play(kSfxHammer, Player_FxVolume(), Rnd(1.5f, 2), 0, 0);
    float a = Rnd(0, 360), d = 300.0f + Rand(1, 200);
    Gfx_Obj* o = FX_NewImage(12, FXI_RANDOM_BOMB, pc->x + d * std::cos(a * kDeg),
                             pc->y + d * std::sin(a * kDeg), 0, FX_LAYER_MID);
    if (!o) return Remove_Now(pc, false);
    Target(o, pc);
    o->rotate_angle = a + 90;
    Strip(o, 19, 60);
    o->alpha = 0.5f;
    o->Scale_x = o->Scale_y = 3;
    o->Fadeout = -0.005f;
    o->Fadein = 0.0005f;
    o->Scale_speed = 3;
}

void FX_ScoreSparkle(float x, float y, int delay, int frame) {
    Gfx_Obj* o = FX_NewImage(13, FXI_CIRCLE_WAVE, x, y, delay, FX_LAYER_TOP);
    if (!o) return;
    Strip(o, 31, 30);
    o->img_id = static_cast<float>(std::clamp(frame, 0, 31));
    o->alpha = 0.1f + Rnd(0, 0.5f);
    o->Scale_x = o->Scale_y = 0.75f;
    // Grows past full size in about a third of a second while it fades in, then fades out.
    o->Scale_speed = -0.8f;
    o->Fadein = 0.004f;
    o->Fadeout = -0.0015f;
}

void FX_FlameTrail(float x, float y) {
    int n = std::max(static_cast<int>(0.2f * FrameTime), 1);
    float r = Spread(FXI_REV_CLEAR_SPARKS, 0.4f);
    for (int i = 0; i < n; ++i) {
        Gfx_Obj* o = FX_NewImage(15, FXI_REV_CLEAR_SPARKS, x + Rnd(-r, r), y + Rnd(-r, r), 0, FX_LAYER_LOW);
        if (!o) return;
        o->move_angle = Rnd(0, 360);
        o->move_speed = Rnd(35, 75);
        o->move_accel = Rnd(100, 200);
        o->img_id = static_cast<float>(Rand(0, 2));
        o->img_count = 3;
        o->Fadeout = Rnd(-4, -2);
    }
}

void FX_AreaBomb(float x, float y) {
    int per_ring = static_cast<int>(0.1f * AvgFps) + 1;
    float start = Rnd(0, 360);
    for (int ring = 0; ring < 32; ++ring) {
        // Each ring spreads a little faster than the one before: together a filled fireball.
        int delay = Rand(1, 10);
        float speed = 20.0f + ring * 6, turn = start + ring * 137.5f;
        for (int i = 0; i < per_ring; ++i) {
            Gfx_Obj* o = FX_NewImage(17, FXI_SMALL_FIRE_PART, x, y, delay, FX_LAYER_MID);
            if (!o) return;
            float a = (turn + i * 360.0f / per_ring) * kDeg;
            o->step_x = std::cos(a) * speed;
            o->step_y = std::sin(a) * speed;
            o->rotate_angle = Rnd(0, 360);
            o->rotate_speed = Rnd(-180, 180);
            o->alpha = 0;
            o->Scale_x = o->Scale_y = 0.5f + Rnd(0, 0.3f);
            o->Fadeout = -0.0003f;
            o->Fadein = 0.005f;
            o->Scale_speed = -2;
        }
    }
}
} // namespace fx
