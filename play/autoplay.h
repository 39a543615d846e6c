// The built-in player: after every frame it looks at the board and the gun's two pearls and
// acts only through a person's inputs (pointer moves, button presses, keys) sent into the
// input service, at a person's pace. It dismisses the level's dialogs with a key.
#pragma once
#include <cstdint>
#include <string>

struct Autoplay_Config {
    uint32_t seed = 1;       // the player's own random numbers (aim delays, hand unsteadiness)
    bool trade_lives = true; // answers the roll-back offer with a life (else risks it)
    int input = 0;           // hands: 0 pointer and buttons, 1 keyboard, 2 gamepad
};

struct Autoplay_Stats {
    int shots = 0;  // left clicks that fired a loaded pearl
    int throws = 0; // right clicks that threw the loaded pearl away
};

// Starts (or restarts) the player with its statistics cleared.
void Autoplay_Start(const Autoplay_Config& config);
// The player lets go of everything and stops.
void Autoplay_Stop();
// True between Autoplay_Start and Autoplay_Stop.
bool Autoplay_Active();
// One look at the presented frame and the inputs for the next one.
void Autoplay_AfterFrame();
// Shots and throw-aways since the start.
const Autoplay_Stats& Autoplay_GetStats();
// Appends every input event as a script line ("<frame> mouse_move x y", ...) to out, with the
// frame number the scripted input would use; null stops recording.
void Autoplay_SetRecorder(std::string* out);
