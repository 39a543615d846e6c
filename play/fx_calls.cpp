// Effect recipe calls through the table the effects module fills.
#include "play/fx_calls.h"

FX_Calls_Table FX_Calls;

void FX_Calls_Reset() {
    FX_Calls = FX_Calls_Table{};
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
