// Effect recipes called by the gun, the shots, matching and the alarm. The effects module
// fills FX_Calls when it starts; until then every entry is empty and the calls draw nothing,
// so the simulation runs (and is tested) without effects. Positions are screen units, delays
// ms from now, colours pearl colour numbers.
#pragma once

struct Piece;

struct FX_Calls_Table {
    void (*pearl_halo)(float x, float y, int color, int delay) = nullptr;     // ring of a matched pearl
    void (*pearl_halo_big)(float x, float y, int color, int delay) = nullptr; // large ring of a matched pearl
    void (*fragments)(float x, float y, int color, float factor, int delay) = nullptr; // pieces flying off
    void (*pearl_burst)(float x, float y, int color, int delay) = nullptr;    // small puff (pop, hit)
    void (*shot_trail)(float x, float y, int color, int delay) = nullptr;     // spark behind a shot
    void (*fireball_trail)(float x, float y) = nullptr;                       // flames behind a fireball
    void (*muzzle_flash)(float x, float y, float scale, int color) = nullptr; // flash at the gun's mouth
    void (*alarm_spark)(float x, float y) = nullptr;                          // alarm pearl meets the chain

    // Modifier, hammer and item effects. The smash and the star burst own their target: when
    // their animation ends they remove it (smash mode 1 through Remove_By_Set(0), mode 0 and the
    // star burst through Destroy(1, its colour, 0, 0)) with a match sound, and they play their
    // own start sound. image 1 / 2 of the hammer charge: "FX_Hammer_start1.png" / "...2.png".
    void (*reverse_swirl)(float x, float y) = nullptr;                         // roll-back starts
    void (*star_burst)(Piece* pc) = nullptr;                                   // stardust detonation of pc
    void (*chain_break)(float x, float y) = nullptr;                           // a chain emblem breaks
    void (*score_sparkle)(float x, float y, int delay, int frame) = nullptr;   // score sparkle
    void (*area_bomb)(float x, float y) = nullptr;                             // area bomb fire rings
    void (*flame_trail)(float x, float y) = nullptr;                           // flame orb, every frame
    void (*hammer_charge_a)(int image, float x, float y, int delay) = nullptr; // spark to the icon
    void (*hammer_charge_b)(int image, float x, float y, int delay) = nullptr; // spark to the icon
    void (*hammer_smash)(Piece* pc, float dx, float dy, int mode) = nullptr;   // smash of pc
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
void FX_ReverseSwirl(float x, float y);
void FX_ChainBreak(float x, float y);
void FX_ScoreSparkle(float x, float y, int delay, int frame);
void FX_AreaBomb(float x, float y);
void FX_FlameTrail(float x, float y);
void FX_HammerChargeA(int image, float x, float y, int delay);
void FX_HammerChargeB(int image, float x, float y, int delay);
// The two recipes that remove their target: true when the effect took the pearl over; false
// (no effects installed) leaves the removal and the start sound to the caller.
bool FX_StarBurst(Piece* pc);
bool FX_HammerSmash(Piece* pc, float dx, float dy, int mode);
