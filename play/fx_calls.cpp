// Effect recipe calls through the table the effects module fills, and its filling.
#include "play/fx_calls.h"
#include "fx/fx_images.h"
#include "fx/fx_recipes.h"
#include "fx/gfx_obj.h"
#include "fx/weather.h"
#include "play/ingame_steps.h"

FX_Calls_Table FX_Calls;

void FX_Calls_Reset() {
    FX_Calls = FX_Calls_Table{};
}

namespace {
void Install_Recipes() {
    FX_Calls_Table& c = FX_Calls;
    c.pearl_halo = fx::FX_PearlHalo;
    c.pearl_halo_big = fx::FX_PearlHaloBig;
    c.fragments = fx::FX_Fragments;
    c.pearl_burst = fx::FX_PearlBurst;
    c.shot_trail = fx::FX_ShotTrail;
    c.fireball_trail = fx::FX_FireballTrail;
    c.muzzle_flash = fx::FX_MuzzleFlash;
    c.alarm_spark = fx::FX_AlarmSpark;
    c.reverse_swirl = fx::FX_ReverseSwirl;
    c.star_burst = fx::FX_StarBurst;
    c.chain_break = fx::FX_ChainBreak;
    c.score_sparkle = fx::FX_ScoreSparkle;
    c.area_bomb = fx::FX_AreaBomb;
    c.flame_trail = fx::FX_FlameTrail;
    c.hammer_charge_a = fx::FX_HammerChargeA;
    c.hammer_charge_b = fx::FX_HammerChargeB;
    c.hammer_smash = fx::FX_HammerSmash;
}

void Install_Steps() {
    InGame_Steps_Table& s = InGame_Steps;
    s.fx_clear = FX_Clear;
    s.fx_update = FX_Update;
    s.fx_draw_layer = FX_DrawLayer;
    s.weather_level_start = Weather_LevelStart;
    s.weather_frame = Weather_Frame;
    s.fx_gauge_sparkle = fx::FX_GaugeSparkle;
    s.fx_new_life = fx::FX_NewLife;
    s.fx_text_popup = fx::FX_TextPopup;
    s.fx_win_sparkle = fx::FX_WinSparkle;
    s.fx_win_burst = fx::FX_WinBurst;
    s.fx_pusher_fire = fx::FX_PusherFire;
    s.fx_freeze = fx::FX_Freeze;
}
} // namespace

void FX_InstallCalls() {
    FX_LoadImages();
    Weather_Init();
    FX_Clear();
    Install_Recipes();
    Install_Steps();
}

void FX_PearlHalo(float x, float y, int color, int delay) {
    if (FX_Calls.pearl_halo) FX_Calls.pearl_halo(x, y, color, delay);
}

void FX_PearlHaloBig(float x, float y, int color, int delay) {
    if (FX_Calls.pearl_halo_big) FX_Calls.pearl_halo_big(x, y, color, delay);
}

void FX_Fragments(float x, float y, int color, float factor, int delay) {
    if (FX_Calls.fragments) FX_Calls.fragments(x, y, color, factor, delay);
}

void FX_PearlBurst(float x, float y, int color, int delay) {
    if (FX_Calls.pearl_burst) FX_Calls.pearl_burst(x, y, color, delay);
}

void FX_ShotTrail(float x, float y, int color, int delay) {
    if (FX_Calls.shot_trail) FX_Calls.shot_trail(x, y, color, delay);
}

void FX_FireballTrail(float x, float y) {
    if (FX_Calls.fireball_trail) FX_Calls.fireball_trail(x, y);
}

void FX_MuzzleFlash(float x, float y, float scale, int color) {
    if (FX_Calls.muzzle_flash) FX_Calls.muzzle_flash(x, y, scale, color);
}

void FX_AlarmSpark(float x, float y) {
    if (FX_Calls.alarm_spark) FX_Calls.alarm_spark(x, y);
}

void FX_ReverseSwirl(float x, float y) {
    if (FX_Calls.reverse_swirl) FX_Calls.reverse_swirl(x, y);
}

void FX_ChainBreak(float x, float y) {
    if (FX_Calls.chain_break) FX_Calls.chain_break(x, y);
}

void FX_ScoreSparkle(float x, float y, int delay, int frame) {
    if (FX_Calls.score_sparkle) FX_Calls.score_sparkle(x, y, delay, frame);
}

void FX_AreaBomb(float x, float y) {
    if (FX_Calls.area_bomb) FX_Calls.area_bomb(x, y);
}

void FX_FlameTrail(float x, float y) {
    if (FX_Calls.flame_trail) FX_Calls.flame_trail(x, y);
}

void FX_HammerChargeA(int image, float x, float y, int delay) {
    if (FX_Calls.hammer_charge_a) FX_Calls.hammer_charge_a(image, x, y, delay);
}

void FX_HammerChargeB(int image, float x, float y, int delay) {
    if (FX_Calls.hammer_charge_b) FX_Calls.hammer_charge_b(image, x, y, delay);
}

bool FX_StarBurst(Piece* pc) {
    if (!FX_Calls.star_burst) return false;
    FX_Calls.star_burst(pc);
    return true;
}

bool FX_HammerSmash(Piece* pc, float dx, float dy, int mode) {
    if (!FX_Calls.hammer_smash) return false;
    FX_Calls.hammer_smash(pc, dx, dy, mode);
    return true;
}
