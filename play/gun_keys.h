// The gun by keyboard and gamepad: Left/Right (or the d-pad) turn it, Shift for fine aim; the
// left stick points it; Space or Enter (pad A) fires, Tab (pad X) swaps the next pearl in,
// H (pad Y) uses the hammer on the pearl the aiming ray touches. Moving the mouse hands the
// aim back to the pointer. A held fire key fires once: key repeat never adds shots.
#pragma once

constexpr float GUN_KEY_TURN_RATE = 180; // degrees per second while a turn key is held
constexpr float GUN_KEY_FINE_RATE = 30;  // degrees per second with Shift held as well
constexpr float GUN_STICK_AIM = 0.5f;    // stick deflection (0..1) from which the stick points the gun

struct Gun_Keys_State {
    bool active = false;                            // the keys or the pad aim (until the mouse moves)
    float angle = 0;                                // their direction, degrees (0 along +x, 90 along +y)
    bool fire = false;                              // a fire key was pressed this frame
    int fire_was = 0, swap_was = 0, hammer_was = 0; // held states of the previous frame
    int last_frame = -2; // FrameCounter of the last update: a gap forgets the held states
};
extern Gun_Keys_State GunKeys;

// Uses the hammer (available or armed) on the pearl touching (x, y), screen units, as a click
// on it would; false when there is no hammer or no pearl there.
bool GunKeys_HammerAt(int x, int y);

void GunKeys_Reset();  // level start: the pointer aims, nothing held
void GunKeys_Update(); // first step of the gun update: turning, swap, hammer, fire request
// True when the keys or the pad aim this frame; their direction in angle_dest.
bool GunKeys_Aim(float& angle_dest);
// True when a fire key was pressed this frame.
bool GunKeys_Fire();
