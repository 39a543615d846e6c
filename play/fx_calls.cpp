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
