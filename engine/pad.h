// Gamepad: one merged pad (every connected controller feeds it) with the buttons and axes of
// the common game-controller layout. Axis values are clamped to -1..1; sticks get a round dead
// zone. Buttons that menus and dialogs understand also arrive as virtual keys (A Enter,
// B and Start Escape, X Tab, Y H, the d-pad the arrow keys), so every screen that reads keys
// works with a pad.
#pragma once

enum Pad_Button {
    PAD_A,
    PAD_B,
    PAD_X,
    PAD_Y,
    PAD_BACK,
    PAD_GUIDE,
    PAD_START,
    PAD_LEFTSTICK,
    PAD_RIGHTSTICK,
    PAD_LEFTSHOULDER,
    PAD_RIGHTSHOULDER,
    PAD_DPUP,
    PAD_DPDOWN,
    PAD_DPLEFT,
    PAD_DPRIGHT,
    PAD_BUTTONS
};
enum Pad_Axis { PAD_LEFTX, PAD_LEFTY, PAD_RIGHTX, PAD_RIGHTY, PAD_TRIGGERLEFT, PAD_TRIGGERRIGHT, PAD_AXES };

constexpr float PAD_DEAD_ZONE = 0.2f; // share of full deflection a stick may rest at and count as centred

// Queries.
int Pad_Down(int button); // 1 while held
int Pad_Hit(int button);  // presses since the last call or flush; resets to 0
float Pad_Axis(int axis); // -1..1 (triggers 0..1), with the dead zone of a single axis
// Stick 0 (left) or 1 (right): x and y in -1..1 with a round dead zone, rescaled so the
// deflection grows from 0 at its edge; length at most 1.
void Pad_Stick(int stick, float& x, float& y);
int Pad_Connected(); // controllers connected now

// Names as the scripted input spells them ("a", "dpleft", "leftx", ...); -1 when unknown.
int Pad_ButtonByName(const char* name);
// The scripted name of a button ("" when out of range).
const char* Pad_ButtonName(int button);
int Pad_AxisByName(const char* name);

// Event entry points used by the platform back ends and scripted input.
void Pad_OnButton(int button, bool down);
void Pad_OnAxis(int axis, float value); // any real: clamped to -1..1, NaN reads as 0
void Pad_OnConnected(bool connected);   // a controller came or went; going releases everything
void Pad_ReleaseAll();                  // every held button up (with its key), every axis centred
// Forgets held buttons and press counts without key-up events (the key states are flushed
// beside it); the axes stay, as a stick rests where it is.
void Pad_Flush();
void Pad_Reset(); // everything cleared, no controller (a fresh boot; tests)
