// The game's pointer: position, movement, button edges and wheel, refreshed once per frame
// from the mouse (and from touch, when a touch step is installed) before the screen's frame.
// Widgets and dialogs consume a press or release by clearing LeftHit / LeftReleased.
#pragma once

extern int PtrX, PtrY;         // pointer position, screen units
extern int PtrPrevX, PtrPrevY; // position of the previous frame
extern int PtrDX, PtrDY;       // movement since the previous frame; a wheel turn overrides one of them
extern int MoveAccum;          // sum of |dx| + |dy| since the last press; cleared every 16th resting frame
extern int LeftDown, LeftHit, LeftReleased;    // left button held / pressed / released this frame
extern int RightDown, RightHit, RightReleased; // the same for the right button
extern int MiddleDown, MiddleHit;              // held / pressed this frame for the middle button
extern int Wheel;                              // wheel steps of this frame

// Touch merge step: may move PtrX/PtrY (and PtrPrevX/PtrPrevY for a jump without movement)
// and decide the left button. Returns true when it set left_down; it may force
// prev_left_down to 0 so that this frame counts as a press. False: the mouse decides.
using Pointer_TouchStep = bool (*)(int& left_down, int& prev_left_down);
// Installs the touch step (null: mouse only).
void Pointer_SetTouchStep(Pointer_TouchStep step);

// One frame of pointer state from the input service.
void Pointer_Update();
// Level start: clears the press and release flags and the movement sum. Held states stay, so
// a button still held from the click that started the level is not seen as a new press.
void Pointer_Reset();
// Everything back to zero, touch step removed (tests, fresh boot).
void Pointer_StateReset();
// Pointer position for the debug overlay.
int Pointer_X();
int Pointer_Y();
