// Sparkles of the menus (around the main menu's portal and on the victory screen), made by
// the shared effect objects' sparkle recipe.
#pragma once

// Moves every effect object by the frame's time.
void Menu_Sparkles_Update();
// Ages and draws the effect objects of every layer.
void Menu_Sparkles_Draw();
// Removes every effect object.
void Menu_Sparkles_Clear();
// Effect objects alive now.
int Menu_Sparkles_Count();
// The sparkle area of the portal: (232 + 1..237, 362 + 1..106); spawns one with probability 1/2.
void Menu_Sparkles_Spawn_Portal();
