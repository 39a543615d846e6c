// Sparkles of the menus (around the main menu's portal and on the victory screen): small
// twinkling lights that rise a little, swell and fade. A short-lived pool of their own
// until the shared effect objects take them over.
#pragma once

// A new sparkle centred on (x, y), screen units.
void FX_MenuSparkle(float x, float y);
// Ages and moves every sparkle by the frame's time.
void Menu_Sparkles_Update();
// Draws every sparkle with additive blending.
void Menu_Sparkles_Draw();
// Removes every sparkle.
void Menu_Sparkles_Clear();
// Sparkles alive now.
int Menu_Sparkles_Count();
// The sparkle area of the portal: (232 + 1..237, 362 + 1..106); spawns one with probability 1/2.
void Menu_Sparkles_Spawn_Portal();
