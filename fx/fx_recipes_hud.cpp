// Recipes of the interface and of winning and losing: gauge sparkles, floating texts, the
// new-life heart, the win pearl's glints and burst, the menu sparkle, the pushers' fire.
#include <algorithm>
#include <cmath>
#include "engine/gfx.h"
#include "fx/fx_images.h"
#include "fx/fx_recipe_parts.h"
#include "fx/fx_recipes.h"
#include "fx/ingame_interface.h"
#include "play/hud.h"
#include "shell/app_state.h"
#include "shell/random.h"

namespace fx {
namespace {
constexpr float kLivesX = 85, kLivesY = 21; // the lives text of the HUD

// One gliding object: heading, speed, deceleration and alpha fade per second.
Gfx_Obj* Glider(int kind, int slot, float x, float y, int layer, float heading, float speed, float decel,
                float fade) {
    Gfx_Obj* o = FX_NewImage(kind, slot, x, y, 0, layer);
    if (!o) return nullptr;
    o->move_angle = heading;
    o->move_speed = speed;
    o->move_accel = decel;
    o->Fadeout = fade;
    return o;
}

void Life_Sparks(float x, float y) {
    int n = std::max(static_cast<int>(10 * FrameTime), 64);
    for (int i = 0; i < n; ++i) {
        Gfx_Obj* o = Glider(18, FXI_NEWLIFE_SPARKS, x, y, FX_LAYER_TOP, Rnd(0, 360), Rnd(300, 600),
                            Rnd(200, 350), Rnd(-0.95f, -0.7f));
        if (!o) return;
        o->img_id = static_cast<float>(Rand(0, 1));
        o->img_count = 2;
    }
}

// A trail of kind `kind` round a point: one object per 1 / rate ms of the frame, at least one.
void Trail(int kind, int slot, float x, float y, float rate, float speed_lo, float speed_hi, float dec_lo,
           float dec_hi, float fade_lo, float fade_hi, int frames) {
    int n = std::max(static_cast<int>(rate * FrameTime), 1);
    float r = Spread(slot, 0.4f);
    for (int i = 0; i < n; ++i) {
        Gfx_Obj* o = Glider(kind, slot, x + Rnd(-r, r), y + Rnd(-r, r), FX_LAYER_LOW, Rnd(0, 360),
                            Rnd(speed_lo, speed_hi), Rnd(dec_lo, dec_hi), Rnd(fade_lo, fade_hi));
        if (!o) return;
        o->img_count = frames;
        o->img_id = frames > 1 ? static_cast<float>(Rand(0, frames - 1)) : 0;
    }
}
} // namespace

void FX_GaugeSparkle(int waves) {
    int filled = Gauge_Width(InGameInterface.gauge_w);
    waves = std::clamp(waves, 0, 40);
    for (int w = 0; w <= waves; ++w) {
        for (int x = 466; x <= GAUGE_X + 8 + filled; x += 4 + Rand(1, 4)) {
            int delay = w * 120 + Rand(0, 240);
            Gfx_Obj* o = FX_NewImage(14, FXI_CIRCLE_WAVE, static_cast<float>(x),
                                     static_cast<float>(10 + Rand(1, 20)), delay, FX_LAYER_TOP);
            if (!o) return;
            o->img_count = 31;
            o->anim_period = o->anim_timer = 15;
            o->alpha = 0.1f;
            o->Scale_x = o->Scale_y = 0.1f + Rnd(0, 0.15f);
            o->Fadein = 0.006f;
            o->Fadeout = -0.003f;
            if (Rand(1, 100) <= 30) {
                float a = Rnd(0, 360) * kDeg, v = Rnd(10, 40);
                o->step_x = std::cos(a) * v;
                o->step_y = std::sin(a) * v;
            }
        }
    }
}

void FX_TextPopup(const std::string& text, int font, float x, float y, float heading, int number) {
    if (text.empty()) return;
    Gfx_Obj* o = FX_New(16, x, y, 0, FX_LAYER_MID);
    if (!o) return;
    o->str.assign(text);
    o->font = font;
    o->move_angle = heading + (Rand(0, 1) ? 90 : -90);
    o->move_speed = Rnd(135, 175);
    o->move_accel = Rnd(50, 100);
    o->Fadeout = Rnd(-1, -0.5f);
    o->data1 = number;
}

void FX_NewLife() {
    float heading = std::atan2(ScreenCenterY - kLivesY, ScreenCenterX - kLivesX) / kDeg;
    if (Gfx_Obj* heart =
            Glider(19, FXI_NEWLIFE_HEART, kLivesX, kLivesY, FX_LAYER_TOP, heading, 200, 50, -0.35f))
        heart->Scale_x = heart->Scale_y = 1.5f;
    Life_Sparks(kLivesX, kLivesY);
}

void FX_WinSparkle(float x, float y) {
    Trail(20, FXI_WIN_PC_SPARK, x, y, 0.2f, 35, 75, 100, 200, -5, -3, 1);
}

void FX_WinBurst(float x, float y) {
    Life_Sparks(x, y);
}

void FX_MenuSparkle(float x, float y) {
    Gfx_Obj* o = FX_NewImage(4, FXI_SPARK_MM, std::trunc(x), std::trunc(y), 0, FX_LAYER_MID);
    if (!o) return;
    float r = Rnd(0, 0.1f);
    o->Scale_x = o->Scale_y = 0.1f + r;
    o->Scale_speed = Rnd(0.5f, 3);
    o->alpha = Rnd(0, 0.5f);
    o->Fadeout = Rnd(-0.002f, -0.001f);
    o->Fadein = 0.002f;
    o->img_count = 32;
    o->anim_period = 30;
    o->rotate_speed = Rnd(0, 100);
    o->rotate_accel = Rnd(100, 200);
}

void FX_PusherFire(float x, float y) {
    Trail(21, FXI_DARK_PARTS, x, y, 0.65f, 150, 350, 20, 40, -1, -0.5f, 3);
}
} // namespace fx
