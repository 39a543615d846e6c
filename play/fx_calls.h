// Effect recipes called by the gun, the shots, matching and the alarm. The effects module
// fills FX_Calls when it starts; until then every entry is empty and the calls draw nothing,
// so the simulation runs (and is tested) without effects. Positions are screen units, delays
// ms from now, colours pearl colour numbers.
#pragma once

struct FX_Calls_Table {
    void (*pearl_halo)(float x, float y, int color, int delay) = nullptr;     // ring of a matched pearl
    void (*pearl_halo_big)(float x, float y, int color, int delay) = nullptr; // large ring of a matched pearl
    void (*fragments)(float x, float y, int color, float factor, int delay) = nullptr; // pieces flying off
    void (*pearl_burst)(float x, float y, int color, int delay) = nullptr;    // small puff (pop, hit)
    void (*shot_trail)(float x, float y, int color, int delay) = nullptr;     // spark behind a shot
    void (*fireball_trail)(float x, float y) = nullptr;                       // flames behind a fireball
    void (*muzzle_flash)(float x, float y, float scale, int color) = nullptr; // flash at the gun's mouth
    void (*alarm_spark)(float x, float y) = nullptr;                          // alarm pearl meets the chain
};
extern FX_Calls_Table FX_Calls;

// Every entry empty (start, tests).
void FX_Calls_Reset();
// Start-up: the effect images, the weather tables, the real recipes in FX_Calls and the
// effect and weather steps of the level run.
void FX_InstallCalls();

// The recipes; each does nothing while its entry is empty.
void FX_PearlHalo(float x, float y, int color, int delay);
void FX_PearlHaloBig(float x, float y, int color, int delay);
void FX_Fragments(float x, float y, int color, float factor, int delay);
void FX_PearlBurst(float x, float y, int color, int delay);
void FX_ShotTrail(float x, float y, int color, int delay);
void FX_FireballTrail(float x, float y);
void FX_MuzzleFlash(float x, float y, float scale, int color);
void FX_AlarmSpark(float x, float y);
