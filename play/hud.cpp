// HUD, gauge and pause overlay.
#include "play/hud.h"
#include <string>
#include "content/level_catalogue.h"
#include "engine/gfx.h"
#include "engine/sound.h"
#include "fx/ingame_interface.h"
#include "play/ingame_steps.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/fonts.h"
#include "shell/texts.h"

namespace {
constexpr int kPauseFont = 9;
constexpr float kPauseAlpha = 0.4f;
constexpr int kLivesX = 85, kLevelX = 216, kScoreX = 366, kTextY = 21;

const InGame_Interface& g_hud = InGameInterface;

std::string Level_Label() {
    const LevelInfo* info = Level_Info(LevelCrt);
    if (!info) return TxtLevel + "?";
    return TxtLevel + std::to_string(info->pack_id + 1) + "-" + std::to_string(info->pack_index + 1);
}

void Gauge_Draw() {
    if (!g_hud.gauge) return;
    if (WinPoints <= 0) {
        Gfx_DrawImage(g_hud.gauge, GAUGE_X, GAUGE_Y, 0);
        return;
    }
    int w = Gauge_Width(g_hud.gauge_w);
    if (w <= 0) return;
    int vx, vy, vw, vh;
    Gfx_GetViewport(vx, vy, vw, vh);
    Gfx_SetViewport(GAUGE_X, GAUGE_Y, w, vh);
    Gfx_DrawImage(g_hud.gauge, GAUGE_X, GAUGE_Y, 0);
    Gfx_SetViewport(vx, vy, vw, vh);
}
} // namespace

void HUD_Load() {
    InGameInterface_Load();
}

float Gauge_Fill() {
    // A level without a goal has a gauge of size 0: it counts as full once nothing is missing.
    if (WinPointsStart <= 0) return WinPoints < 1 ? 1.0f : 0.0f;
    return static_cast<float>(WinPointsStart - WinPoints) / static_cast<float>(WinPointsStart);
}

int Gauge_Width(int w) {
    if (WinPointsStart <= 0) return WinPoints <= 0 ? w : 0;
    long long filled = static_cast<long long>(w) * (WinPointsStart - WinPoints) / WinPointsStart;
    return filled > 0 ? static_cast<int>(filled) : 0;
}

void Gauge_Celebrate() {
    float f = Gauge_Fill();
    if (GaugeStage == 0 && f > 0.5f) {
        Step_Run(InGame_Steps.fx_gauge_sparkle, 5);
        GaugeStage = 1;
    } else if (GaugeStage == 1 && f > 0.75f) {
        Step_Run(InGame_Steps.fx_gauge_sparkle, 10);
        GaugeStage = 2;
    } else if (GaugeStage == 2 && f >= 0.999f) {
        Sfx_PlayAt(kSfxGetLife, ScreenCenterX);
        Step_Run(InGame_Steps.fx_gauge_sparkle, 20);
        GaugeStage = 3;
    }
}

void Draw_Plain(int blend) {
    Gfx_SetRotation(0);
    Gfx_SetScale(1, 1);
    Gfx_SetAlpha(1);
    Gfx_SetColor(255, 255, 255);
    Gfx_SetBlend(blend);
}

void Draw_Veil(float alpha) {
    Draw_Plain(BLEND_ALPHA);
    Gfx_SetColor(0, 0, 0);
    Gfx_SetAlpha(alpha);
    Gfx_DrawRect(0, 0, ScreenWidth, ScreenHeight);
    Gfx_SetColor(255, 255, 255);
    Gfx_SetAlpha(1);
}

void HUD_Draw() {
    Draw_Plain(BLEND_ALPHA);
    Gfx_DrawImage(g_hud.bg, 0, 0, 0);
    Font_Select(HUD_FONT);
    if (Relaxed_Mode != 1) Text_DrawCentred(TxtLives + std::to_string(Lives), kLivesX, kTextY);
    Text_DrawCentred(Level_Label(), kLevelX, kTextY);
    Text_DrawCentred(TxtScore + std::to_string(Score), kScoreX, kTextY);
    Gauge_Draw();
    Gauge_Celebrate();
}

void Pause_DrawOverlay() {
    if (Paused != 1 || PausedBySuspend != 1) return;
    Draw_Veil(kPauseAlpha);
    Font_Select(kPauseFont);
    Text_DrawCentred(TxtPause, ScreenCenterX, ScreenCenterY);
}
