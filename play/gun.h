// The gun: the fixed shooter on the board. It turns toward the pointer, holds the pearl to be
// fired and the next one, fires on a left click (at most three quick shots in a row), throws
// the loaded pearl away on a right click, marks where a shot would hit, and recoils.
#pragma once

struct Piece;

constexpr int GUN_BURST_GAP = 200;         // ms after a shot from which a click fires freely again
constexpr int GUN_TURN_SOUND_GAP = 300;    // ms between two turning sounds
constexpr float GUN_TURN_SOUND_ANGLE = 30; // degrees of turn in one frame that sound
constexpr int GUN_THROW_COST = 5;          // points a right-click throw-away costs (the gauge gets them)
constexpr float GUN_PC_DIST = 10;          // loaded pearl: distance behind the gun centre
constexpr float GUN_PC_NEXT_DIST = 40;     // next pearl: distance behind the gun centre
constexpr int GUN_FRAMES = 14;             // frames of the firing animation

struct Gun_State {
    float angle = 0;                 // barrel direction, degrees (0 along +x, 90 along +y)
    float angle_dest = 0;            // direction from the gun centre to the pointer, degrees
    Piece* GunPc = nullptr;          // loaded pearl, fired next
    Piece* GunPcNext = nullptr;      // waiting pearl behind it (state bit 0x800)
    int pc_id = -1, pc_next_id = -1; // their ids, -1 when empty
    int pc_switch_cnt = 0;           // right-click throw-aways since the last shot
    int firing = 0;                  // 1 while the firing animation runs
    int anim_timer = 0;              // saved with the gun, otherwise unused
    float GunFrame = 0;              // frame of the firing animation, 0..14
    int BurstAllowance = 1;          // extra quick shots still allowed
    int SinceShot = 0;               // ms since the last shot
    float RecoilAmp = 0;             // recoil amplitude, screen units
    float RecoilPhase = 0;           // recoil oscillation phase, degrees
    int TurnSoundCooldown = 0;       // ms until the turning sound may play again
    int AimEndX = 0, AimEndY = 0;    // end of the aiming ray
    int AimHit = 0;                  // 1 = the aiming ray touches a pearl
    int AimPointerOff = 0;           // 1 = no aiming ray and no pointer image (key G)
};
extern Gun_State Gun;

void Gun_LoadImages();             // start-up: the gun images; the gun at the screen centre
void Gun_Reset();                  // level start: barrel straight, pearls dropped, burst allowance 1
void Gun_Update();                 // once per frame in the update phase: aim, load, animate, fire
void Gun_RightClick();             // the right button was hit: throw the loaded pearl away (costs 5 points)
void Gun_DrawBase();               // before the pearl draw list: base, glow, barrel
void Gun_DrawTop();                // after the pearl draw list: barrel top and the aim pointer
void Gun_ToggleGuide();            // key G: aiming ray and pointer image off / on
void Gun_NewNext();                // makes a new GunPcNext
int Gun_ColorFromBoard();          // a colour met in the end zones of the tracks, or -1
void Gun_KeepColorValid(Piece* p); // recolours p when its colour has left a non-empty board
// 1 and the hit point when the ray along the barrel touches a chain pearl; 0 (last point inside
// the screen) otherwise, and at once while the aiming guide is off.
int Gun_AimRay(int& out_x, int& out_y);
void Gun_Forget(Piece* pc); // pc is being removed: the gun's references to it go
