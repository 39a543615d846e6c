// The main menu, screen state 0: the animated landscape (background, waving flag, passing
// birds, drifting fog, tree and portal layers), sparkles around the portal, the studio logo
// and the six buttons. The victory screen borrows its flag, birds and tree layer.
#pragma once

// Loads the images once, empties the bird list and builds the buttons (start-up).
void MainMenu_Load();
// Registers screen state 0.
void MainMenu_Register();
// Entering state 0: music and ambience, pointer, fog, flag, birds, effects, user caption.
void MainMenu_Enter();
// One frame of the menu (input unless a dialog is open, effects, draw).
void MainMenu_Frame();
// Rewrites the user button's caption: "User: " + the current player's name.
void MainMenu_SetUserCaption();
// "Play" (relaxed 0) and "Relaxed Play" (relaxed 1).
void MainMenu_Play(int relaxed);

// Shared with the victory screen.
void MainMenu_DrawFlag(int x, int y); // advances the flag by the frame's time and draws it
void MainMenu_BirdsFrame();           // moves, animates and draws the birds; spawns new ones
void MainMenu_BirdsClear();           // empties the bird list
void MainMenu_DrawTree();             // the tree layer at (0, 0)
int MainMenu_BirdCount();             // birds flying now
