// The weather controllers of the packs and their emitters. A controller runs spells (fog and
// fire) or showers (rain) one after another, each with its own strength and sound factor; an
// emitter sends a batch of particles per layer whenever its countdown runs out, and only while
// the frame rate keeps up.
#include <algorithm>
#include <string>
#include "engine/sound.h"
#include "fx/weather.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/random.h"

namespace {
constexpr float W = ScreenWidth, H = ScreenHeight;
constexpr int kRowMax = 4000; // particles of one row at most, whatever the settings say

struct Layer_Look {
    float speed, scale, alpha_base, alpha_rnd;
};

// Highest layer of a batch, clamped to the layers that exist.
int Top_Layer(int intensity) {
    return std::clamp(intensity, 0, WEATHER_LAYERS - 2);
}

// The random widening of a gap: Rand(1, int(n)), at least 1 for a positive n.
int Gap(float n) {
    return Rand(1, std::max(1, static_cast<int>(n)));
}

// Rows advance by at least one pixel, so a row always ends.
int Advance(float from, float by) {
    return std::max(static_cast<int>(from) + 1, static_cast<int>(from + by));
}

void Spell_Values(int intensity) {
    static const float kSpacing[] = {1, 2, 3, 4}, kSound[] = {0.3f, 0.5f, 0.7f, 1.0f};
    int i = std::clamp(intensity, 0, 3);
    Weather.ParticleSpacing = kSpacing[i];
    WeatherSoundFactor = kSound[i];
}

// Countdown of the drift emitters; true when a batch is due (clears the burst otherwise).
bool Batch_Due(bool clears_burst) {
    Weather_State& w = Weather;
    w.EmitCountdown -= FrameTime;
    if (w.EmitCountdown <= 0) return true;
    if (clears_burst) w.LevelStartBurst = 0;
    return false;
}

void Fog_Emit() {
    Weather_State& w = Weather;
    if (InstFps < 45 || !Batch_Due(true)) return;
    w.EmitCountdown = w.FogIntensity <= 3 ? 8000.0f + Rand(1, 4000) : 6400.0f;
    for (int& a : w.LayerAngle)
        a = w.DriftDirection;
    static const Layer_Look kLook[] = {
        {30, 0.9f, 0.3f, 0.1f}, {60, 1.1f, 0.2f, 0.1f}, {100, 1.2f, 0.1f, 0.1f}, {150, 1.3f, 0, 0.1f}};
    for (int k = 0; k <= Top_Layer(w.FogIntensity); ++k) {
        float s = Rnd(1.5f, 2.5f);
        const Layer_Look& l = kLook[std::min(k, 3)];
        if (k <= 3) s *= l.scale;
        float alpha = l.alpha_base + Rnd(0, l.alpha_rnd);
        int y = Rand(static_cast<int>(-100 * s), static_cast<int>(100 * s));
        for (int n = 0; y < H + 100 * s && n < kRowMax; ++n) {
            int x = w.LevelStartBurst > 0 ? Rand(static_cast<int>(-50 * s), static_cast<int>(W + 50 * s))
                                          : static_cast<int>(-256 * s + Rand(-1000, 1));
            Particle_CreateDrift(x, y, alpha, s, w.LayerAngle[k], l.speed, k,
                                 static_cast<int>(W) - 300 + Rand(-200, 1), Rnd(1, 2) * s, PART_FOG);
            y = Advance(y, 130 * s + Gap((k + 1) * w.ParticleSpacing * s));
        }
    }
    w.LevelStartBurst = 0;
}

void Fire_Sparks_Row(int k, float s, float speed, float alpha) {
    Weather_State& w = Weather;
    speed *= 0.1f;
    s *= 0.75f;
    int x = Rand(static_cast<int>(-16 * s), 0);
    for (int n = 0; x < W + 16 * s && n < kRowMax; ++n) {
        int y = Rand(static_cast<int>(H + 16 * s), static_cast<int>(H + 50 * s));
        float spin = Rnd(50, 100) * s;
        if (Rand(1, 100) > 50)
            Particle_CreateDrift(x, y, alpha * 0.5f, s, w.LayerAngle[k], speed, k,
                                 static_cast<int>(H * 0.7f + Rand(1, 100)), spin, PART_DARK_SPARK);
        else
            Particle_CreateDrift(x, y, alpha, s, w.LayerAngle[k], speed, k,
                                 static_cast<int>(H * 0.5f + Rand(1, 100)), spin, PART_DARK_SPARK_BRIGHT);
        x = Advance(x, 30 * s + Gap((k + 1) * w.ParticleSpacing * s));
    }
}

void Fire_Fog_Row(int k, float s, float speed, float alpha) {
    Weather_State& w = Weather;
    int x = Rand(static_cast<int>(-50 * s), 0);
    for (int n = 0; x < W + 50 * s && n < kRowMax; ++n) {
        int y = w.LevelStartBurst > 0 ? Rand(0, static_cast<int>(H))
                                      : Rand(static_cast<int>(H + 256 * s), static_cast<int>(H + 500 * s));
        float spin = Rnd(5, 20) * s;
        Particle_CreateDrift(x, y, alpha, s, w.LayerAngle[k], speed, k,
                             static_cast<int>(H * 0.5f + Rand(1, 300)), spin, PART_FIRE_FOG);
        x = Advance(x, 50 * s + Gap((k + 1) * w.ParticleSpacing * s));
    }
}

void Fire_Emit() {
    Weather_State& w = Weather;
    if (InstFps < 45 || !Batch_Due(true)) return;
    w.EmitCountdown = w.FogIntensity <= 3 ? 4000.0f + Rand(1, 2000) : 3200.0f;
    for (int& a : w.LayerAngle)
        a = static_cast<int>(w.DriftDirection + Rnd(-5, 5));
    static const Layer_Look kLook[] = {
        {30, 0.9f, 0.2f, 0.2f}, {60, 1.1f, 0.2f, 0.2f}, {100, 1.5f, 0.1f, 0.1f}, {150, 2, 0.1f, 0.2f}};
    for (int k = 0; k <= Top_Layer(w.FogIntensity); ++k) {
        float s = Rnd(1, 1.5f);
        const Layer_Look& l = kLook[std::min(k, 3)];
        if (k <= 3) s *= l.scale;
        float alpha = l.alpha_base + Rnd(0, l.alpha_rnd);
        if (Rand(1, 100) > 70)
            Fire_Sparks_Row(k, s, l.speed, alpha);
        else
            Fire_Fog_Row(k, s, l.speed, alpha);
    }
    w.LevelStartBurst = 0;
}

// Unlike the other drift emitters this one leaves the level-start burst set.
void Spark_Emit() {
    Weather_State& w = Weather;
    if (InstFps < 45 || !Batch_Due(false)) return;
    w.EmitCountdown = 4000.0f + Rand(1, 2000);
    for (int& a : w.LayerAngle)
        a = static_cast<int>(w.DriftDirection + Rnd(-15, 15));
    static const Layer_Look kLook[] = {
        {20, 0.5f, 0.2f, 0.1f}, {40, 0.75f, 0.2f, 0.1f}, {60, 1, 0.2f, 0.1f}, {100, 1.5f, 0.1f, 0.2f}};
    for (int k = 0; k <= Top_Layer(w.FogIntensity); ++k) {
        float s = Rnd(0.5f, 1);
        const Layer_Look& l = kLook[std::min(k, 3)];
        if (k <= 3) s *= l.scale;
        float alpha = l.alpha_base + Rnd(0, l.alpha_rnd);
        int x = Rand(static_cast<int>(-16 * s), 0);
        for (int n = 0; x < W + 16 * s && n < kRowMax; ++n) {
            int y = Rand(static_cast<int>(H + 16 * s), static_cast<int>(H + 200 * s));
            float spin = Rnd(50, 100) * s;
            bool high = Rand(1, 100) > 95;
            int fade = static_cast<int>(H * (high ? 0.3f : 0.7f) + Rand(1, 100));
            Particle_CreateDrift(x, y, alpha, s, w.LayerAngle[k], l.speed, k, fade, spin, PART_FIRE_SPARK);
            x = Advance(x, 80 * s + Gap((k + 1) * w.ParticleSpacing * s));
        }
    }
}

void Snow_Emit() {
    Weather_State& w = Weather;
    if (InstFps < 30) return;
    w.SnowCountdown -= static_cast<int>(FrameTime);
    if (w.SnowCountdown > 0) return;
    w.SnowCountdown = 1000 + Rand(1, 500);
    if (--w.LayerRefresh < 0) {
        w.LayerRefresh = 10 + Rand(1, 10);
        for (int& a : w.LayerAngle)
            a = Rand(60, 120);
    }
    static const float kSpeed[] = {9, 10, 12, 15, 20, 24}, kScale[] = {0.4f, 0.5f, 0.6f, 0.8f, 0.9f, 1};
    int top = std::clamp(static_cast<int>(w.SnowIntensity), 0, 5);
    for (int k = 0; k <= top; ++k) {
        float s = Rnd(0.5f, 1) * kScale[k];
        int x = Rand(-200, 1);
        for (int n = 0; x < W + 200 && n < kRowMax; ++n) {
            int angle = w.LayerAngle[k] + Rand(-2, 2);
            int y = x < -100 || x > W + 100 ? Rand(1, static_cast<int>(H * 0.25f)) : Rand(-200, 1);
            Particle_CreateFall(x, y, 1, s, angle, kSpeed[k], k, static_cast<int>(H) - Rand(1, 200),
                                PART_SNOW);
            x = Advance(x, Rand(1, (k + 1) * 30) + (k + 1) * 20.0f);
        }
    }
}

void Rain_Emit() {
    Weather_State& w = Weather;
    if (InstFps < 30) return;
    w.RainCountdown -= FrameTime;
    if (w.RainCountdown > 0) return;
    w.RainCountdown = w.RainIntensity <= 3 ? 400.0f + Rand(1, 200) : 320.0f;
    if (--w.LayerRefresh < 0) {
        w.LayerRefresh = 50 + Rand(1, 20);
        for (int& a : w.LayerAngle)
            a = w.RainAngle;
    }
    static const Layer_Look kLook[] = {{500, 0.9f, 0.3f, 0.2f},  {600, 1.1f, 0.4f, 0.2f},
                                       {700, 1.1f, 0.4f, 0.3f},  {1000, 1.2f, 0.5f, 0.2f},
                                       {1500, 1.2f, 0.6f, 0.2f}, {2000, 1.2f, 0.7f, 0.2f}};
    int top = std::clamp(w.RainIntensity, 0, 5);
    for (int k = 0; k <= top; ++k) {
        const Layer_Look& l = kLook[k];
        float s = Rnd(1, 1.3f) * l.scale, alpha = l.alpha_base + Rnd(0, l.alpha_rnd);
        float gap = std::min(k + 1, 4) * 20 * std::max(w.RainSpacing, 0.05f);
        int x = Rand(-250, 1) - 50;
        for (int n = 0; x < W + 250 && n < kRowMax; ++n) {
            int y = x < -100 || x > W + 100
                        ? Rand(1, static_cast<int>(H * 0.25f))
                        : static_cast<int>(-300 * s + Rand(static_cast<int>(-300 * s), 1));
            Particle_CreateFall(x, y, alpha, s, w.LayerAngle[k], l.speed, k,
                                static_cast<int>(H) - Rand(1, 300), PART_RAIN);
            x = Advance(x, Gap(gap) + gap);
        }
    }
}
} // namespace

void Weather_FogController() {
    Weather_State& w = Weather;
    if (w.SpellTimer > 0) {
        if (w.LevelStartBurst > 0) {
            w.DriftDirection = 0;
            w.FogIntensity = 3;
        }
        Fog_Emit();
        w.SpellTimer -= static_cast<int>(FrameTime);
        return;
    }
    w.FogIntensity = Rand(0, 3);
    Spell_Values(w.FogIntensity);
    w.DriftDirection = 0;
    w.SpellTimer = 15000 + Rand(1, 15000);
}

void Weather_FireController(bool sparks) {
    Weather_State& w = Weather;
    if (w.SpellTimer > 0) {
        if (w.LevelStartBurst > 0) {
            w.DriftDirection = static_cast<int>(Rnd(250, 290));
            w.FogIntensity = 3;
        }
        if (sparks)
            Spark_Emit();
        else
            Fire_Emit();
        w.SpellTimer -= static_cast<int>(FrameTime);
        return;
    }
    w.FogIntensity = Rand(0, 3);
    Spell_Values(w.FogIntensity);
    w.DriftDirection = static_cast<int>(Rnd(250, 290));
    w.SpellTimer = 15000 + Rand(1, 15000);
}

void Weather_SnowController() {
    Weather_State& w = Weather;
    if (w.SnowTimer > 0) {
        Snow_Emit();
        w.SnowTimer -= static_cast<int>(FrameTime);
        w.SnowIntensity = std::min(w.SnowTimer / 20000.0f * 5, 5.0f);
        return;
    }
    w.SnowTimer = 20000 + Rand(1, 20000);
    // Snow has no strength-dependent sound: its ambience plays at full volume, whatever the
    // weather of the level before left.
    WeatherSoundFactor = 1.0f;
}

void Weather_RainController() {
    Weather_State& w = Weather;
    if (w.RainTimer > 0) {
        Rain_Emit();
        w.RainTimer -= static_cast<int>(FrameTime);
        return;
    }
    int intensity = Rand(0, 2);
    if (Rand(1, 100) > 90) intensity = Rand(3, 5);
    w.RainIntensity = intensity;
    static const float kSpacing[] = {2, 3, 4, 5, 6, 6}, kSound[] = {0.3f, 0.5f, 0.7f, 0.9f, 1.0f, 1.0f};
    w.RainSpacing = kSpacing[intensity];
    WeatherSoundFactor = kSound[intensity];
    w.RainAngle = static_cast<int>(Rnd(85, 95));
    Log_Line("New angle : " + std::to_string(w.RainAngle) +
             " - rain intensity :" + std::to_string(w.RainIntensity));
    w.RainTimer = 10000 + Rand(1, 10000);
}

void Weather_NextFogIntensity() {
    Weather_State& w = Weather;
    w.FogIntensity = w.FogIntensity >= 5 || w.FogIntensity < 0 ? 0 : w.FogIntensity + 1;
    Log_Line("Fog intensity = " + std::to_string(w.FogIntensity));
    static const float kSpacing[] = {3, 3, 2, 1, 1, 0.5f}, kSound[] = {0.3f, 0.5f, 0.7f, 0.8f, 0.9f, 1.0f};
    w.ParticleSpacing = kSpacing[w.FogIntensity];
    WeatherSoundFactor = kSound[w.FogIntensity];
}
