// The particle pool: slot allocation, compaction, the fall and drift updates and the drawing
// passes. A pass first moves every particle of its layers, then draws the survivors grouped
// by picture and blend, so a batching renderer needs a handful of draw calls for thousands.
#include <cmath>
#include <string>
#include "engine/gfx.h"
#include "fx/fx_images.h"
#include "fx/weather.h"
#include "play/pointer.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/random.h"

Weather_State Weather;

namespace {
// Draw groups: kind x snow-flake picture.
constexpr int kGroups = (PART_FIRE_SPARK + 1) * 3;

struct Pass_Scratch {
    int drawn[WEATHER_POOL_MAX]; // slots to draw, in slot order
    int group[WEATHER_POOL_MAX];
    int sorted[WEATHER_POOL_MAX];
    int start[kGroups + 1];
};
Pass_Scratch g_pass;

// Table entry of an angle truncated toward zero, folded into 0..360.
int Angle_Index(float angle) {
    int i = static_cast<int>(angle);
    if (i >= 0 && i <= 360) return i;
    i %= 360;
    return i < 0 ? i + 360 : i;
}

float Cos_T(float angle) {
    return Weather.cos_t[Angle_Index(angle)];
}
float Sin_T(float angle) {
    return Weather.sin_t[Angle_Index(angle)];
}

void Own_Motion(Background_Particle* p) {
    p->x += p->speed * Cos_T(p->angle) * FrameDt;
    p->y += p->speed * Sin_T(p->angle) * FrameDt;
}

int Fall_Update(Background_Particle* p) {
    Weather_State& w = Weather;
    Own_Motion(p);
    float dx = p->x - static_cast<float>(PtrX), dy = p->y - static_cast<float>(PtrY);
    float f = 4000.0f / (dx * dx + dy * dy + 1);
    float layer = (p->Zorder + 1) * 0.5f;
    p->x += w.WindX * FrameDt * layer + w.WindX * f * FrameDt;
    p->y += w.WindY * FrameDt * layer + w.WindY * f * FrameDt;
    if (p->y > ScreenHeight) p->state = 0;
    if (p->y > p->FadeOutLevel) p->alpha -= p->alpha_inc_speed * FrameDt;
    if (p->alpha <= 0.001f) p->state = 0;
    if (p->x < -200 || p->x > ScreenWidth + 200) p->state = 0;
    return p->state == 3;
}

int Drift_Update(Background_Particle* p) {
    Weather_State& w = Weather;
    Own_Motion(p);
    p->x += w.WindX * FrameDt * (p->Zorder + 1) * 0.75f;
    p->y += w.WindY * FrameDt * (p->Zorder + 1) * 0.3f;
    if (p->alpha <= 0.001f) p->state = 0;
    p->Rotation_Angle = std::fmod(p->Rotation_Angle + p->Rotation_speed * FrameDt, 360.0f);
    float iw = static_cast<float>(static_cast<int>(Gfx_ImageWidth(p->img) * p->scale));
    float ih = static_cast<float>(static_cast<int>(Gfx_ImageHeight(p->img) * p->scale));
    if (p->Part_type == PART_FOG) {
        if (p->x > ScreenWidth + iw || p->y < -ih || p->y > ScreenHeight + ih) p->state = 0;
    } else {
        if (p->y < p->FadeOutLevel) p->alpha -= p->alpha_inc_speed * 0.1f * FrameDt;
        if (p->y < -ih || p->x < -iw || p->x > ScreenWidth + iw) p->state = 0;
    }
    return p->state == 3;
}

int Blend_Of(int kind) {
    return kind == PART_RAIN || kind == PART_FOG || kind == PART_DARK_SPARK ? BLEND_ALPHA : BLEND_LIGHT;
}

void Draw_One(const Background_Particle& p) {
    Gfx_SetBlend(Blend_Of(p.Part_type));
    Gfx_SetScale(p.scale, p.scale);
    Gfx_SetAlpha(p.alpha > 1 ? 1 : p.alpha);
    if (p.Part_type == PART_RAIN)
        Gfx_SetRotation(std::fmod(p.angle - 90, 360.0f));
    else if (p.Part_type == PART_SNOW)
        Gfx_SetRotation(0);
    else
        Gfx_SetRotation(p.Rotation_Angle);
    Gfx_DrawImage(p.img, p.x, p.y, 0);
}

// The next slot for a creation, or null when the pool is full (it is compacted instead).
Background_Particle* Take_Slot() {
    Weather_State& w = Weather;
    if (w.ActiveCount >= WEATHER_POOL_MAX) {
        // Once per frame: a pool that fills up again at once waits for the next frame, so
        // a flood of requests never costs a compaction each.
        if (!w.compacted_this_frame) Weather_Compact();
        w.compacted_this_frame = true;
        return nullptr;
    }
    Background_Particle* p = &w.slots[w.ActiveCount++];
    *p = Background_Particle{};
    return p;
}

void Fill_Common(Background_Particle* p, float x, float y, float alpha, float scale, float speed, int layer,
                 int fade_level) {
    p->state = 3;
    p->Zorder = layer;
    p->x = x;
    p->y = y;
    p->FadeOutLevel = fade_level;
    p->alpha = alpha;
    p->alpha_inc_speed = Rnd(2, 3);
    p->speed = speed + Rand(-10, 40);
    p->scale = scale;
}

void Set_Img(Background_Particle* p, int slot) {
    p->img = FX_Image(slot);
    p->img_slot = slot;
}

int Group_Of(const Background_Particle& p) {
    int flake = p.Part_type == PART_SNOW ? p.img_slot - FXI_SNOW_FLAKE1 : 0;
    return p.Part_type * 3 + (flake >= 0 && flake < 3 ? flake : 0);
}
} // namespace

void Particle_CreateFall(float x, float y, float alpha, float scale, float angle, float speed, int layer,
                         int fade_level, int kind) {
    Background_Particle* p = Take_Slot();
    if (!p) return;
    bool snow = kind != PART_RAIN;
    Fill_Common(p, x, y, alpha, 0, speed, layer, fade_level);
    float jitter = static_cast<float>(snow ? Rand(-30, 30) : Rand(-1, 1));
    float a = angle + jitter;
    if (std::fabs(a) >= 360) a = std::fmod(a, 360.0f);
    if (a < 0) a += 360;
    p->angle = a;
    Set_Img(p, snow ? FXI_SNOW_FLAKE1 + Rand(0, 2) : FXI_RAIN1);
    p->scale = scale + Rand(-10, 10) * 0.007f;
    p->Part_type = snow ? PART_SNOW : PART_RAIN;
    p->Update_fn = Fall_Update;
}

void Particle_CreateDrift(float x, float y, float alpha, float scale, float angle, float speed, int layer,
                          int fade_level, float spin, int kind) {
    Background_Particle* p = Take_Slot();
    if (!p) return;
    Fill_Common(p, x, y, alpha, 0, speed, layer, fade_level);
    p->Rotation_speed = spin;
    p->angle = angle;
    p->Part_type = kind >= PART_FOG && kind <= PART_FIRE_SPARK ? kind : PART_FOG;
    static const int kSlot[] = {FXI_FOG, FXI_FIRE_FOG, FXI_DARK_SPARK, FXI_DARK_SPARK, FXI_SPARK_FIRE};
    Set_Img(p, kSlot[p->Part_type - PART_FOG]);
    p->scale = scale + Rand(-10, 10) * 0.007f;
    p->Update_fn = Drift_Update;
}

void Weather_Compact() {
    Weather_State& w = Weather;
    int n = 0;
    for (int i = 0; i < w.ActiveCount; ++i)
        if (w.slots[i].state == 3) w.slots[n++] = w.slots[i];
    for (int i = n; i < w.ActiveCount; ++i)
        w.slots[i] = Background_Particle{};
    w.ActiveCount = n;
    if (n >= WEATHER_POOL_MAX) {
        Log_Line("PROBLEM now : " + std::to_string(n));
        w.ActiveCount = 0;
    }
    Log_Line("remaining parts " + std::to_string(WEATHER_POOL_MAX - 1 - n) + " real part, " +
             std::to_string(w.updates_this_frame));
}

void Weather_DrawPass(int lo, int hi) {
    Weather_State& w = Weather;
    if (w.ActiveCount == 0) return;
    Gfx_SetBlend(BLEND_ALPHA);
    int n = 0;
    for (int i = 0; i < w.ActiveCount; ++i) {
        Background_Particle& p = w.slots[i];
        if (p.state != 3 || p.Zorder < lo || p.Zorder > hi || !p.Update_fn) continue;
        ++w.updates_this_frame;
        if (!p.Update_fn(&p)) continue;
        g_pass.drawn[n] = i;
        g_pass.group[n] = Group_Of(p);
        ++n;
    }
    if (w.ActiveCount > 0 && w.slots[w.ActiveCount - 1].state != 3) --w.ActiveCount;
    // Grouped by picture and blend; inside a group in slot order.
    for (int g = 0; g <= kGroups; ++g)
        g_pass.start[g] = 0;
    for (int i = 0; i < n; ++i)
        ++g_pass.start[g_pass.group[i] + 1];
    for (int g = 0; g < kGroups; ++g)
        g_pass.start[g + 1] += g_pass.start[g];
    for (int i = 0; i < n; ++i)
        g_pass.sorted[g_pass.start[g_pass.group[i]]++] = g_pass.drawn[i];
    Gfx_SetColor(255, 255, 255);
    for (int i = 0; i < n; ++i)
        Draw_One(w.slots[g_pass.sorted[i]]);
}

int Weather_LivingCount() {
    int n = 0;
    for (int i = 0; i < Weather.ActiveCount; ++i)
        n += Weather.slots[i].state == 3;
    return n;
}
