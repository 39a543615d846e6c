// Weather start-up, level start, the per-frame step and the wind.
#include <cmath>
#include <memory>
#include "engine/gfx.h"
#include "engine/input.h"
#include "fx/weather.h"
#include "shell/app_state.h"
#include "shell/random.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

void Run_Controller() {
    switch (Weather.pack) {
    case 1:
        Weather_RainController();
        break;
    case 2:
        Weather_SnowController();
        break;
    case 3:
        Weather_FireController(false);
        break;
    case 4:
        Weather_FireController(true);
        break;
    default:
        Weather_FogController();
    }
}

void New_Gust() {
    Weather_State& w = Weather;
    w.GustTimer = 4000 + Rand(1, 4000);
    int x = Rand(1, 100) > 50 ? Rand(-300, -100) : Rand(ScreenWidth + 100, ScreenWidth + 300);
    int y = Rand(static_cast<int>(ScreenHeight * 0.5), ScreenHeight + 500);
    w.WindAngleTarget = static_cast<float>(std::atan2(y - ScreenHeight / 2, x - ScreenWidth / 2) * 180 / kPi);
    w.WindTarget = Rand(10, 30);
    w.WindRate = std::fabs(static_cast<float>(w.WindTarget) - w.WindStrength);
    if (Rand(1, 100) > 90) w.WindTarget = Rand(30, 70);
    if (Rand(1, 100) > 97) w.WindTarget = Rand(70, 100);
    float turn = static_cast<float>(400 / w.WindTarget);
    w.WindTurnRate = w.WindAngleTarget > w.WindAngle ? Rnd(0, 10) + turn : Rnd(-10, 0) - turn;
}
} // namespace

void Weather_Init() {
    // Every value back to its start, as in a fresh process (a second boot in one process,
    // tests, plays the same weather as the first).
    std::destroy_at(&Weather);
    std::construct_at(&Weather);
    Weather_State& w = Weather;
    for (int i = 0; i <= 360; ++i) {
        w.sin_t[i] = static_cast<float>(std::sin(i * kPi / 180));
        w.cos_t[i] = static_cast<float>(std::cos(i * kPi / 180));
    }
    w.RainAngle = static_cast<int>(Rnd(70, 110));
}

void Weather_LevelReset() {
    Weather_State& w = Weather;
    for (int i = 0; i < WEATHER_POOL_MAX; ++i)
        w.slots[i].state = 0;
    w.ActiveCount = 0;
    w.RainTimer = w.SnowTimer = w.SpellTimer = 0;
}

void Weather_LevelStart(int pack) {
    Weather_LevelReset();
    Weather.pack = pack;
    Weather.LevelStartBurst = 1;
}

void Wind_Update() {
    Weather_State& w = Weather;
    w.GustTimer -= static_cast<int>(FrameTime);
    if (w.GustTimer <= 0) New_Gust();
    if (w.WindTurnRate > 0) {
        w.WindAngle += w.WindTurnRate * FrameDt;
        if (w.WindAngle > w.WindAngleTarget) w.WindTurnRate = 0;
    } else if (w.WindTurnRate < 0) {
        w.WindAngle += w.WindTurnRate * FrameDt;
        if (w.WindAngle < w.WindAngleTarget) w.WindTurnRate = 0;
    }
    if (static_cast<float>(w.WindTarget) > w.WindStrength)
        w.WindStrength += w.WindRate * FrameDt;
    else if (static_cast<float>(w.WindTarget) < w.WindStrength)
        w.WindStrength -= w.WindRate * FrameDt;
    w.WindX = static_cast<float>(w.WindStrength * std::cos(w.WindAngle * kPi / 180));
    w.WindY = static_cast<float>(w.WindStrength * std::sin(w.WindAngle * kPi / 180));
}

void Weather_Frame() {
    Weather.updates_this_frame = 0;
    Weather.compacted_this_frame = false;
    Run_Controller();
    Weather_DrawPass(0, 0);
    Weather_DrawPass(1, 999);
    Wind_Update();
    Gfx_SetScale(1, 1);
    Gfx_SetColor(255, 255, 255);
    Gfx_SetRotation(0);
    Gfx_SetAlpha(1);
    if (Key_Hit('Y')) {
        Weather_NextFogIntensity();
        Keys_Flush();
    }
}
