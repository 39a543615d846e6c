// Widget sounds: the hover and click effects, played at the pointer position through an
// installable output so the widgets do not depend on the sound service directly.
#pragma once

constexpr int GUI_SFX_CLICK = 0; // ".\sounds\click.wav", entry 0 of the effect table
constexpr int GUI_SFX_HOVER = 1; // ".\sounds\hover.wav", entry 1

// Positional effect: table entry, relative volume 0..1, position in screen units.
using GUI_Sound_Fn = void (*)(int entry, float rel_volume, int x, int y);
// Installs the output (null: silent).
void GUI_SetSoundOut(GUI_Sound_Fn fn);
// Plays through the installed output; nothing when none is installed.
void GUI_Sound_Play(int entry, float rel_volume, int x, int y);
