// The built-in player: after every frame it looks at the board and the gun's two pearls and
// acts only through a person's inputs (pointer moves, button presses, keys) sent into the
// input service, at a person's pace. It uses the hammer, shoots coins and artefacts, and
// dismisses the level's dialogs with a key.
#pragma once
#include <cstdint>
#include <string>

// Player profiles: expert plays fast and leads the chains exactly; casual plays like an
// average casual player (about a shot a second, slow reactions, rough aim, little lead, the
// hammer only when fully charged).
enum { AUTOPLAY_EXPERT = 0, AUTOPLAY_CASUAL = 1 };

struct Autoplay_Config {
    uint32_t seed = 1;       // the player's own random numbers (aim delays, hand unsteadiness)
    bool trade_lives = true; // answers the roll-back offer with a life (else risks it)
    int input = 0;           // hands: 0 pointer and buttons, 1 keyboard, 2 gamepad
    int profile = AUTOPLAY_EXPERT;
};

struct Autoplay_Stats {
    int shots = 0;      // left clicks that fired a loaded pearl
    int throws = 0;     // right clicks that threw the loaded pearl away
    int smashes = 0;    // hammer strikes
    int item_shots = 0; // shots aimed at a coin or an artefact
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
