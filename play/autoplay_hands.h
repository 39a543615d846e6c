// The built-in player's hands on the keyboard or the gamepad: its aim becomes a direction the
// gun is turned to with Left/Right (and Shift when close) or pointed to with the left stick,
// its clicks become Space / pad A once the gun is on target, Tab / pad X, and its dialog keys
// pad A or B. With the pointer hands nothing here acts.
#pragma once
#include <string>

enum { HANDS_POINTER, HANDS_KEYS, HANDS_PAD };

using Hands_Recorder = void (*)(const std::string& event);

// Takes the hands for input mode (HANDS_*); every event is also given to record.
void Hands_Start(int input, Hands_Recorder record);
// Lets go of every key and button and centres the stick.
void Hands_Stop();
// The player's aim at (x, y), screen units: true when the hands took it (no pointer move).
bool Hands_Move(int x, int y);
// The player's mouse button b pressed or let go: true when the hands took it.
bool Hands_Button(int b, bool down);
// The player's key on a dialog: true when the hands took it (pad mode presses A or B).
bool Hands_Key(int code, bool down);
struct Piece;
// The player wants the hammer on target: with keys or pad the hands turn the gun to it and
// press H / pad Y (no icon, no pointer); false with the pointer hands or without a target.
bool Hands_Take_Hammer(const Piece* target);
// After every frame: lets go of last frame's taps, turns toward the aim, fires when on it.
void Hands_Frame();
// True when the gun points where the player aims and no hammer blow waits (always with the
// pointer hands).
bool Hands_OnTarget();
