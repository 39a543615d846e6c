// Recipes of the pearls: removal bursts, halos and shards, shot trails, the gun's muzzle
// sparks, the alarm, the fireball's flames and the broken chain emblem.
#include <algorithm>
#include <cmath>
#include "engine/gfx.h"
#include "fx/fx_images.h"
#include "fx/fx_recipe_parts.h"
#include "fx/fx_recipes.h"
#include "play/gun.h"
#include "shell/app_state.h"
#include "shell/random.h"

namespace fx {
namespace {
void Heading(Gfx_Obj* o, float angle, float speed) {
    o->step_x = std::cos(angle * kDeg) * speed;
    o->step_y = std::sin(angle * kDeg) * speed;
}

// At least one, else factor x rate (frames per second or ms of the frame).
int Burst_Count(float factor, float rate) {
    return std::max(static_cast<int>(factor * rate), 1);
}
} // namespace

Gfx_Obj* FX_NewImage(int kind, int slot, float x, float y, int delay, int z_order) {
    if (!FX_Image(slot)) {
        Gfx_Obj probe;
        FX_SetImage(&probe, slot); // logs the missing image once
        return nullptr;
    }
    Gfx_Obj* o = FX_New(kind, x, y, delay, z_order);
    if (o) FX_SetImage(o, slot);
    return o;
}

void FX_PearlBurst(float x, float y, int color, int delay) {
    Gfx_Obj* o = FX_NewImage(0, FXI_EXPLOSION_GREY, x, y, delay, FX_LAYER_MID);
    if (!o) return;
    Strip(o, 13, 10);
    o->alpha = 0.8f;
    o->rotate_accel = 10;
    o->rotate_angle = Rnd(0, 360);
    FX_SetColor(o, FX_DarkTint(color, kWhite));
}

void FX_PearlHalo(float x, float y, int color, int delay) {
    Gfx_Obj* o = FX_NewImage(1, FXI_GREY_HALO1, x, y, delay, FX_LAYER_MID);
    if (!o) return;
    o->Scale_x = o->Scale_y = 0.3f;
    o->Fadeout = -0.0008f;
    o->Scale_speed = 0.003f;
    FX_SetColor(o, FX_DarkTint(color, kWhite));
}

void FX_PearlHaloBig(float x, float y, int color, int delay) {
    Gfx_Obj* o = FX_NewImage(1, FXI_GREY_HALO3, x, y, delay, FX_LAYER_LOW);
    if (!o) return;
    o->Fadeout = -0.0002f;
    FX_SetColor(o, FX_DarkTint(color, kWhite));
}

void FX_ShotTrail(float x, float y, int color, int delay) {
    Gfx_Obj* o = FX_NewImage(1, FXI_SPARK3, x, y, delay, FX_LAYER_LOW);
    if (!o) return;
    o->alpha = 0.2f + Rnd(0, 0.8f);
    o->Scale_x = 0.3f + Rnd(0, 0.7f);
    o->Scale_y = 0.3f + Rnd(0, 0.7f);
    o->Fadeout = -0.0005f;
    o->Scale_speed = -0.0002f;
    o->rotate_speed = 50 + Rnd(0, 100);
    o->rotate_accel = 10 + Rnd(0, 200);
    FX_SetColor(o, FX_LightTint(color, kWhite));
}

void FX_MuzzleFlash(float x, float y, float factor, int color) {
    int n = Burst_Count(factor, static_cast<float>(InstFps));
    for (int i = 0; i < n; ++i) {
        Gfx_Obj* o = FX_NewImage(2, FXI_SPARK8, x + Rnd(-10, 10), y + Rnd(-10, 10), 0, FX_LAYER_LOW);
        if (!o) return;
        Heading(o, Gun.angle + Rnd(-20, 20), 200);
        o->move_accel = 30 + Rnd(0, 15);
        o->alpha = 1.5f;
        o->Fadeout = -0.004f;
        o->Scale_speed = -0.0006f;
        o->rotate_speed = 300;
        o->rotate_accel = 500;
        Strip(o, 32, 10);
        FX_SetColor(o, FX_DarkTint(color, kWhite));
    }
}

void FX_Fragments(float x, float y, int color, float factor, int delay) {
    int n = Burst_Count(factor, static_cast<float>(InstFps));
    float start = Rnd(0, 360);
    for (int i = 0; i < n; ++i) {
        Gfx_Obj* o = FX_NewImage(2, FXI_FRAGMENT2, x + Rnd(-20, 20), y + Rnd(-20, 20), delay, FX_LAYER_MID);
        if (!o) return;
        Heading(o, start + i * 360.0f / n, 75);
        o->move_accel = 60 + Rnd(0, 15);
        o->Scale_x = o->Scale_y = 0.35f + Rnd(0, 0.2f);
        o->Scale_speed = 0.0015f;
        o->alpha = 2;
        o->Fadeout = -0.0004f;
        o->rotate_speed = 50;
        o->rotate_accel = 50;
        Strip(o, 32, 8);
        o->img_id = static_cast<float>(Rand(0, 31));
        FX_SetColor(o, FX_DarkTint(color, kWhite));
    }
}

void FX_SubSpark(float x, float y, int r, int g, int b) {
    Gfx_Obj* o = FX_NewImage(3, FXI_SPARK8, x, y, 0, FX_LAYER_LOW);
    if (!o) return;
    o->Scale_x = o->Scale_y = 0.3f + Rnd(0, 0.3f);
    o->step_x = Rnd(-6, 6);
    o->step_y = Rnd(-6, 6);
    o->Fadeout = -0.001f;
    FX_SetColor(o, {(r + 255) / 2, (g + 255) / 2, (b + 255) / 2});
    Strip(o, 32, 10);
}

void FX_AlarmSpark(float x, float y) {
    Gfx_Obj* o = FX_NewImage(5, FXI_ALARM_SPARK, x, y, 0, FX_LAYER_MID);
    if (!o) return;
    o->Fadeout = Rnd(-0.002f, -0.001f);
    o->step_x = Rnd(-100, 100);
    o->step_y = Rnd(-100, 100);
}

void FX_FireballTrail(float x, float y) {
    int n = Burst_Count(0.25f, FrameTime);
    for (int i = 0; i < n; ++i) {
        float a = Rnd(0, 360);
        int layer = Rand(1, 100) <= 40 ? FX_LAYER_LOW : FX_LAYER_MID;
        Gfx_Obj* o = FX_NewImage(6, FXI_FIREBALL_SPARK, x + 20 * std::cos(a * kDeg),
                                 y + 20 * std::sin(a * kDeg), 0, layer);
        if (!o) return;
        o->move_angle = Rnd(0, 360);
        o->move_speed = Rnd(35, 75);
        o->move_accel = Rnd(100, 200);
        o->rotate_speed = 50;
        o->rotate_accel = 100;
        o->rotate_angle = Rnd(0, 360);
        o->Fadeout = static_cast<float>(Rand(-5, -3));
    }
}

void FX_ChainBreak(float x, float y) {
    for (int i = 0; i < 5; ++i) {
        Gfx_Obj* o = FX_NewImage(7, FXI_CHAIN_PART0 + i, x, y, 0, FX_LAYER_MID);
        if (!o) continue;
        o->move_angle = i * 72.0f - 90;
        o->move_speed = Rnd(180, 220);
        o->move_accel = Rnd(200, 225);
        o->Fadeout = Rnd(-1.25f, -1);
        o->img_count = 15;
    }
}
} // namespace fx
