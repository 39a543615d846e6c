// The in-game screen (screen state 1): its registration, the images it loads once, its
// widget list, and one frame in the fixed order: suspend, keys, widgets, the update of the
// level (normal play, win or lose sequence) unless paused, then the draw from the board up.
#pragma once

struct GUI_List;

// Registers screen state 1: enter Level_Start, leave Level_Leave, frame InGame_Frame; installs
// the level-lost call of the chain and the stand-in dialogs where no dialog is installed.
void InGame_Register();
// Loads the in-game screen's own images once (HUD bar and gauge); start-up, after the pearls.
void InGame_Load();
// One in-game frame.
void InGame_Frame();
// The normal update of one frame (not paused, neither winning nor losing).
void InGame_Update();
// The draw phase of one frame.
void InGame_Draw();
// Widgets of the in-game screen, updated and drawn every frame.
GUI_List& InGame_Buttons();
