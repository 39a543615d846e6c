// The behaviour kinds: how each kind moves (update phase), ages, ends and is drawn (layer
// passes). One table entry per kind; kinds 10 and 12 remove their target pearl when their
// animation reaches its last frame.
#include <algorithm>
#include <cmath>
#include <string>
#include "chain/piece.h"
#include "engine/gfx.h"
#include "engine/sound.h"
#include "fx/fx_recipes.h"
#include "fx/gfx_obj.h"
#include "shell/app_state.h"
#include "shell/fonts.h"
#include "shell/log.h"
#include "shell/random.h"

namespace {
constexpr float kDeg = 3.14159265358979f / 180.0f;
constexpr float kHammerIconX = 740, kHammerIconY = 92; // where hammer charge sparks fly to

float Dt_Ms() {
    return FrameTime;
}
float Dt_S() {
    return FrameDt;
}

// ---- Movement -------------------------------------------------------------------------

bool Move_None(Gfx_Obj*) {
    return true;
}

bool Move_PerFrame(Gfx_Obj* o) { // kind 0: no time factor
    o->x += o->step_x;
    o->y += o->step_y;
    o->z += o->step_z;
    return true;
}

bool Move_Step(Gfx_Obj* o) {
    o->x += o->step_x * Dt_S();
    o->y += o->step_y * Dt_S();
    return true;
}

bool Move_Gravity(Gfx_Obj* o) {
    Move_Step(o);
    o->step_y += o->move_accel * Dt_S();
    return true;
}

bool Move_Damped(Gfx_Obj* o) {
    Move_Step(o);
    o->step_x *= 0.99f;
    o->step_y *= 0.99f;
    o->alpha += o->Fadeout * Dt_Ms();
    return true;
}

bool Move_Glide(Gfx_Obj* o) {
    if (o->move_speed > 0) o->move_speed = std::max(0.0f, o->move_speed - o->move_accel * Dt_S());
    o->x += std::cos(o->move_angle * kDeg) * o->move_speed * Dt_S();
    o->y += std::sin(o->move_angle * kDeg) * o->move_speed * Dt_S();
    o->alpha += o->Fadeout * Dt_S();
    if (o->name == 7 && o->img_count > 0) o->img_id = Anim_Wrap(o->img_id, o->img_count, o->move_speed);
    return !((o->name == 16 || o->name == 19) && o->alpha < 0);
}

bool Move_Home(Gfx_Obj* o) {
    o->step_x = (kHammerIconX - o->x) * 120 * Dt_S();
    o->step_y = (kHammerIconY - o->y) * 120 * Dt_S();
    return Move_Step(o);
}

// The target pearl while it is still the pearl the effect was made for.
Piece* Target(const Gfx_Obj* o) {
    Piece* pc = o->pc;
    return pc && pc->alive && pc->id == o->pc_id ? pc : nullptr;
}

void Follow(Gfx_Obj* o, float factor) {
    if (const Piece* pc = Target(o)) {
        o->step_x = (pc->x - o->x) * factor * Dt_S();
        o->step_y = (pc->y - o->y) * factor * Dt_S();
        Move_Step(o);
    }
}

bool Move_Follow_Smash(Gfx_Obj* o) {
    Follow(o, 500);
    return true;
}

bool Move_Follow_Star(Gfx_Obj* o) {
    Follow(o, 200);
    return true;
}

bool Move_Spiral(Gfx_Obj* o) {
    o->x = o->spd_x + o->move_speed * std::cos(o->rotate_angle * kDeg);
    o->y = o->spd_y + o->move_speed * std::sin(o->rotate_angle * kDeg);
    o->rotate_angle = std::fmod(o->rotate_angle - o->rotate_accel * Dt_S(), 360.0f);
    o->rotate_accel += 6 * Dt_S();
    o->move_speed += 2 * Dt_S();
    return true;
}

using Move_Fn = bool (*)(Gfx_Obj*);
const Move_Fn kMove[FX_KIND_COUNT] = {
    Move_PerFrame,    Move_None,  Move_Gravity, Move_Step,  Move_None,         Move_Damped,
    Move_Glide,       Move_Glide, Move_Home,    Move_None,  Move_Follow_Smash, Move_Spiral,
    Move_Follow_Star, Move_None,  Move_Step,    Move_Glide, Move_Glide,        Move_Step,
    Move_Glide,       Move_Glide, Move_Glide,   Move_Glide,
};

// ---- Ageing helpers -------------------------------------------------------------------

// Next frame when the frame timer runs out; a looping strip wraps, a capped one stops at
// img_count (drawn as its last frame).
void Animate(Gfx_Obj* o, bool loop) {
    o->anim_timer -= static_cast<int>(Dt_Ms());
    if (o->anim_timer >= 0) return;
    o->img_id += 1;
    o->anim_timer = o->anim_period;
    if (loop && o->img_id >= o->img_count) o->img_id = 0;
    if (!loop && o->img_id > o->img_count) o->img_id = static_cast<float>(o->img_count);
}

void Spin(Gfx_Obj* o) {
    o->rotate_speed += o->rotate_accel * Dt_Ms() / 1000;
    o->rotate_angle = std::fmod(o->rotate_angle + o->rotate_speed * Dt_Ms() / 1000, 360.0f);
}

void Scale_Add(Gfx_Obj* o, float d) {
    o->Scale_x += d;
    o->Scale_y += d;
}

void Fade_In_To(Gfx_Obj* o, float top) {
    o->alpha = std::min(top, o->alpha + o->Fadein * Dt_Ms());
}

// c moved the share k of the way to `to`.
int Toward(int c, int to, float k) {
    return std::clamp(static_cast<int>(std::lround(c + (to - c) * k)), 0, 255);
}

bool Last_Frame(const Gfx_Obj* o) {
    return o->img_id >= o->img_count;
}

// The end of a smash or star burst: the target goes (once; nothing when it is gone already).
void Remove_Target(Gfx_Obj* o, bool by_set) {
    Piece* pc = Target(o);
    o->pc = nullptr;
    o->pc_id = -1;
    if (!pc) {
        if (!FX.target_gone_logged) Log_Line("effects: target pearl already removed");
        FX.target_gone_logged = true;
        return;
    }
    float px = pc->x, py = pc->y;
    if (by_set)
        pc->Remove_By_Set(0);
    else
        pc->Destroy(1, pc->color, 0, 0);
    Sfx_PlayMatch(px, py);
}

// ---- Ageing by kind (false: the object ends) ------------------------------------------

bool Age_Explosion(Gfx_Obj* o) { // 0
    o->alpha -= 0.0008f * Dt_Ms();
    if (o->alpha <= 0) return false;
    Scale_Add(o, 0.0008f * Dt_Ms());
    Spin(o);
    Animate(o, false);
    return !Last_Frame(o);
}

bool Age_Halo(Gfx_Obj* o) { // 1
    o->alpha += o->Fadeout * Dt_Ms();
    if (o->alpha <= 0) return false;
    Scale_Add(o, o->Scale_speed * Dt_Ms());
    if (o->Scale_x <= 0 || o->Scale_y <= 0) return false;
    o->Red = Toward(o->Red, 255, 0.01f);
    o->Green = Toward(o->Green, 255, 0.01f);
    o->Blue = Toward(o->Blue, 255, 0.01f);
    Spin(o);
    return true;
}

bool Age_Spark(Gfx_Obj* o) { // 2
    o->alpha += o->Fadeout * Dt_Ms();
    if (o->alpha <= 0) return false;
    if (o->state == 1) {
        Scale_Add(o, o->Scale_speed * Dt_Ms());
        if (o->Scale_speed >= 0 ? o->Scale_x >= 0.6f : o->Scale_x <= 0.6f) o->state = 2;
    } else {
        Scale_Add(o, -0.001f * Dt_Ms());
    }
    if (o->Scale_x <= 0 || o->Scale_y <= 0) return false;
    Spin(o);
    if (o->img_count > 1) Animate(o, true);
    if (InstFps > 20 && Rnd(0, 1) > 1 - o->alpha && Rnd(0, 100) > 50)
        fx::FX_SubSpark(o->x, o->y, o->Red, o->Green, o->Blue);
    return true;
}

bool Age_SubSpark(Gfx_Obj* o) { // 3
    o->alpha += o->Fadeout * Dt_Ms();
    Animate(o, true);
    return o->alpha >= 0;
}

bool Age_MenuSparkle(Gfx_Obj* o) { // 4
    if (o->state == 1) {
        if (o->alpha < Rnd(0.85f, 1)) o->alpha += o->Fadein * Dt_Ms();
        Scale_Add(o, o->Scale_speed * Dt_S());
        if (o->Scale_x > 0.5f) o->state = 2;
    } else {
        o->alpha += o->Fadeout * Dt_Ms();
        if (o->alpha <= 0) return false;
        Scale_Add(o, static_cast<float>(static_cast<int>(o->Scale_speed * Dt_S())));
        if (o->Scale_x > 0.6f) return false;
    }
    Spin(o);
    return true;
}

bool Age_Until_Negative(Gfx_Obj* o) { // 5, 15, 16, 18, 19, 20, 21
    return o->alpha >= 0;
}

bool Age_Spinning(Gfx_Obj* o) { // 6
    Spin(o);
    return o->alpha >= 0;
}

bool Age_Until_Zero(Gfx_Obj* o) { // 7
    return o->alpha > 0;
}

bool Age_Charge(Gfx_Obj* o) { // 8
    if (o->state == 1) {
        Fade_In_To(o, 1);
        if (o->alpha >= 1) o->state = 2;
    }
    Scale_Add(o, -o->Scale_speed * Dt_S());
    if (o->state < 3 && std::fabs(o->step_x) + std::fabs(o->step_y) < 1) o->state = 3;
    if (o->state == 3) {
        o->alpha += o->Fadeout * Dt_Ms();
        Spin(o);
    }
    return o->Scale_x >= 0.01f && o->alpha > 0;
}

bool Age_Freeze(Gfx_Obj* o) { // 9
    if (o->state == 1) {
        Fade_In_To(o, 1);
        Scale_Add(o, -o->Scale_speed * Dt_S());
        if (o->Scale_x > 6.5f) o->state = 2;
    } else {
        o->alpha += o->Fadeout * Dt_Ms();
        if (o->alpha <= 0) return false;
        o->rotate_speed += o->rotate_accel * Dt_S();
    }
    Spin(o);
    return true;
}

void Smash_Sparks(const Gfx_Obj* o, int n, bool own_colour) {
    for (int i = 0; i < n; ++i) {
        float r = 15 * o->Scale_x;
        float sx = o->x + Rnd(-r, r), sy = o->y + Rnd(-r, r);
        if (own_colour)
            fx::FX_SubSpark(sx, sy, o->Red, o->Green, o->Blue);
        else
            fx::FX_SubSpark(sx, sy, Rand(160, 255), Rand(210, 255), 30);
    }
}

// Kinds 10 and 12: fade in while shrinking onto the target, remove it at the last frame,
// fade out.
bool Age_Remover(Gfx_Obj* o, float state2_below, bool star) {
    if (o->state == 1) {
        Fade_In_To(o, 1);
        Animate(o, false);
        Scale_Add(o, -o->Scale_speed * Dt_S());
        if (o->Scale_x < state2_below) o->state = 2;
    } else if (o->state == 2) {
        if (star) {
            o->Red = Toward(o->Red, 255, 0.24f);
            o->Green = Toward(o->Green, 0, 0.10f);
            o->Blue = Toward(o->Blue, 0, 0.24f);
        }
        Animate(o, false);
        if (Last_Frame(o)) {
            o->state = 3;
            Remove_Target(o, !star && o->data1 == 1);
        }
    } else {
        o->alpha += o->Fadeout * Dt_Ms();
        if (o->alpha <= 0.1f) return false;
    }
    Spin(o);
    return true;
}

bool Age_Smash(Gfx_Obj* o) { // 10
    if (InstFps > 50) Smash_Sparks(o, static_cast<int>(InstFps * 0.25f), false);
    return Age_Remover(o, 0.5f, false);
}

bool Age_Star(Gfx_Obj* o) { // 12
    if (InstFps > 50 && o->state < 3)
        Smash_Sparks(o, static_cast<int>(InstFps * (o->state == 1 ? 0.2f : 0.1f)), true);
    return Age_Remover(o, 0.9f, true);
}

bool Age_Swirl(Gfx_Obj* o) { // 11, 17
    Animate(o, false);
    if (o->state == 1) {
        o->alpha += o->Fadein * Dt_Ms();
        if (o->alpha >= Rnd(0.3f, 0.5f)) o->state = 2;
    } else {
        Scale_Add(o, -o->Scale_speed * Dt_S());
        o->alpha += o->Fadeout * Dt_Ms();
        if (o->alpha <= 0.1f || o->Scale_x < 0.05f) return false;
    }
    if (o->name == 17) Spin(o);
    return true;
}

bool Age_ScoreSparkle(Gfx_Obj* o) { // 13
    Animate(o, false);
    Scale_Add(o, -o->Scale_speed * Dt_S());
    if (o->Scale_x > 1) o->state = 2;
    if (o->state == 1) {
        Fade_In_To(o, 1);
    } else {
        o->alpha += o->Fadeout * Dt_Ms();
        if (o->alpha <= 0.1f) return false;
    }
    int red = o->Red;
    o->Red = Toward(o->Red, 0, 0.05f);
    o->Green = Toward(o->Green, 0, 0.04f);
    o->Blue = Toward(o->Blue, 200 - red, 0.05f);
    Spin(o);
    return true;
}

bool Age_GaugeSparkle(Gfx_Obj* o) { // 14
    Animate(o, true);
    if (o->state == 1) {
        Fade_In_To(o, 1);
        if (o->alpha >= 1) o->state = 2;
    } else {
        o->alpha += o->Fadeout * Dt_Ms();
        if (o->alpha <= 0.1f) return false;
    }
    o->Red = Toward(o->Red, 100, 0.05f);
    o->Green = Toward(o->Green, 200, 0.05f);
    o->Blue = Toward(o->Blue, 255, 0.05f);
    return true;
}

using Age_Fn = bool (*)(Gfx_Obj*);
const Age_Fn kAge[FX_KIND_COUNT] = {
    Age_Explosion,      Age_Halo,           Age_Spark,      Age_SubSpark,       Age_MenuSparkle,
    Age_Until_Negative, Age_Spinning,       Age_Until_Zero, Age_Charge,         Age_Freeze,
    Age_Smash,          Age_Swirl,          Age_Star,       Age_ScoreSparkle,   Age_GaugeSparkle,
    Age_Until_Negative, Age_Until_Negative, Age_Swirl,      Age_Until_Negative, Age_Until_Negative,
    Age_Until_Negative, Age_Until_Negative,
};

// ---- Drawing --------------------------------------------------------------------------

enum { COL_OWN, COL_WHITE, COL_HALF, COL_TEXT };

struct Kind_Look {
    int blend;
    int colour;
};
const Kind_Look kLook[FX_KIND_COUNT] = {
    {BLEND_LIGHT, COL_OWN},   {BLEND_LIGHT, COL_OWN},   {BLEND_ALPHA, COL_HALF},  {BLEND_LIGHT, COL_OWN},
    {BLEND_LIGHT, COL_WHITE}, {BLEND_ALPHA, COL_WHITE}, {BLEND_LIGHT, COL_WHITE}, {BLEND_ALPHA, COL_WHITE},
    {BLEND_ALPHA, COL_OWN},   {BLEND_ALPHA, COL_WHITE}, {BLEND_LIGHT, COL_WHITE}, {BLEND_LIGHT, COL_OWN},
    {BLEND_LIGHT, COL_OWN},   {BLEND_LIGHT, COL_OWN},   {BLEND_LIGHT, COL_OWN},   {BLEND_LIGHT, COL_WHITE},
    {BLEND_ALPHA, COL_TEXT},  {BLEND_LIGHT, COL_OWN},   {BLEND_LIGHT, COL_WHITE}, {BLEND_ALPHA, COL_WHITE},
    {BLEND_LIGHT, COL_WHITE}, {BLEND_ALPHA, COL_WHITE},
};

void Set_Draw_Colour(Gfx_Obj* o) {
    switch (kLook[o->name].colour) {
    case COL_OWN:
        o->draw_r = o->Red, o->draw_g = o->Green, o->draw_b = o->Blue;
        break;
    case COL_HALF:
        o->draw_r = (o->Red + 255) / 2, o->draw_g = (o->Green + 255) / 2, o->draw_b = (o->Blue + 255) / 2;
        break;
    case COL_TEXT:
        o->draw_r = 250, o->draw_g = 251, o->draw_b = 254;
        break;
    default:
        o->draw_r = o->draw_g = o->draw_b = 255;
    }
    o->draw_blend = kLook[o->name].blend;
}

void Draw_Text(const Gfx_Obj* o) {
    int font = Font_Current();
    Font_Select(o->font);
    Text_DrawCentred(o->str, o->x, o->y);
    if (o->data1 > 0) Text_DrawCentred(std::to_string(o->data1), o->x, o->y + Gfx_TextHeight());
    Font_Select(font);
}
} // namespace

void FX_Move(Gfx_Obj* o) {
    if (!kMove[o->name](o)) FX_Remove(o);
}

bool FX_Age(Gfx_Obj* o) {
    if (!kAge[o->name](o)) return false;
    Set_Draw_Colour(o);
    return true;
}

void FX_Draw(const Gfx_Obj* o) {
    Gfx_SetBlend(o->draw_blend);
    Gfx_SetColor(o->draw_r, o->draw_g, o->draw_b);
    Gfx_SetAlpha(std::clamp(o->alpha, 0.0f, 1.0f));
    if (o->name == 16) {
        Gfx_SetScale(1, 1);
        Gfx_SetRotation(0);
        Draw_Text(o);
        return;
    }
    if (!o->image) return;
    int frames = static_cast<int>(o->image->frames.size());
    Gfx_SetScale(o->Scale_x, o->Scale_y);
    Gfx_SetRotation(o->rotate_angle);
    Gfx_DrawImage(o->image, o->x, o->y, std::clamp(static_cast<int>(o->img_id), 0, std::max(0, frames - 1)));
}
