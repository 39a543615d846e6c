// Sparkle pool of the menus.
#include "gui/menu_sparkle.h"
#include <cmath>
#include "engine/gfx.h"
#include "shell/app_state.h"
#include "shell/random.h"

namespace {
constexpr int kPoolSize = 256;
constexpr int kLifeMinMs = 600, kLifeMaxMs = 1200;
constexpr float kRiseMin = 6, kRiseMax = 22; // pixels per second upward

struct Sparkle {
    float x = 0, y = 0;
    float rise = 0; // pixels per second
    int life = 0;   // ms in total
    int age = 0;    // ms lived
    float size = 0; // largest radius, pixels
    int tint = 0;   // 0 gold, 1 pale blue
};

struct Sparkle_Pool {
    Sparkle items[kPoolSize];
    int count = 0;
};
Sparkle_Pool g;

// 0 -> 1 -> 0 over the sparkle's life.
float Swell(const Sparkle& s) {
    float t = static_cast<float>(s.age) / static_cast<float>(s.life);
    return std::sin(t * 3.14159265f);
}
} // namespace

void FX_MenuSparkle(float x, float y) {
    if (g.count >= kPoolSize) return;
    Sparkle& s = g.items[g.count++];
    s.x = x;
    s.y = y;
    s.rise = Rnd(kRiseMin, kRiseMax);
    s.life = Rand(kLifeMinMs, kLifeMaxMs);
    s.age = 0;
    s.size = Rnd(1.5f, 4.0f);
    s.tint = Rand(0, 3) == 0 ? 1 : 0;
}

void Menu_Sparkles_Update() {
    int ms = static_cast<int>(FrameTime);
    for (int i = 0; i < g.count;) {
        Sparkle& s = g.items[i];
        s.age += ms;
        s.y -= s.rise * FrameDt;
        if (s.age >= s.life)
            s = g.items[--g.count];
        else
            ++i;
    }
}

void Menu_Sparkles_Draw() {
    Gfx_SetRotation(0);
    Gfx_SetScale(1, 1);
    Gfx_SetBlend(BLEND_LIGHT);
    for (int i = 0; i < g.count; ++i) {
        const Sparkle& s = g.items[i];
        float k = Swell(s);
        if (s.tint == 0)
            Gfx_SetColor(255, 220, 140);
        else
            Gfx_SetColor(170, 220, 255);
        float r = s.size * (0.5f + k);
        Gfx_SetAlpha(0.35f * k);
        Gfx_DrawOval(s.x - 2 * r, s.y - 2 * r, 4 * r, 4 * r);
        Gfx_SetAlpha(0.9f * k);
        Gfx_DrawOval(s.x - r, s.y - r, 2 * r, 2 * r);
        Gfx_DrawLine(s.x - 3 * r, s.y, s.x + 3 * r, s.y);
        Gfx_DrawLine(s.x, s.y - 3 * r, s.x, s.y + 3 * r);
    }
    Gfx_SetColor(255, 255, 255);
    Gfx_SetAlpha(1);
    Gfx_SetBlend(BLEND_ALPHA);
}

void Menu_Sparkles_Clear() {
    g.count = 0;
}

int Menu_Sparkles_Count() {
    return g.count;
}

void Menu_Sparkles_Spawn_Portal() {
    if (Rand(1, 2) != 1) return;
    int r1 = Rand(1, 237), r2 = Rand(1, 106);
    FX_MenuSparkle(static_cast<float>(232 + r1), static_cast<float>(362 + r2));
}
