// Widget sounds: the hover and click effects, played at the pointer position through the
// sound manager at the player's effects volume, or through an output a test installs.
#pragma once

constexpr int GUI_SFX_CLICK = 0; // ".\sounds\click.wav", entry 0 of the effect table
constexpr int GUI_SFX_HOVER = 1; // ".\sounds\hover.wav", entry 1

// Positional effect: table entry, relative volume 0..1, position in screen units.
using GUI_Sound_Fn = void (*)(int entry, float rel_volume, int x, int y);
// Replaces the output (null: the sound manager).
void GUI_SetSoundOut(GUI_Sound_Fn fn);
// Plays entry at rel_volume times the player's effects volume, panned for x.
void GUI_Sound_Play(int entry, float rel_volume, int x, int y);
