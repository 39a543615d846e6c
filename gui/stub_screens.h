// Placeholder screens for the main menu (0), the game (1) and the level map (2), drawn
// until their real screens exist: a coloured background with the screen's name.
#pragma once

void Stub_Screens_Load();
void Stub_Screens_Register();
