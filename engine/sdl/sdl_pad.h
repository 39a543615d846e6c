// Gamepads through SDL's game-controller API: controllers are opened as they are plugged in
// (also mid-game) and closed when they go; their buttons and axes feed the merged pad.
#pragma once
#include <SDL.h>

// Starts the game-controller subsystem; false when SDL has none (the game plays without pads).
bool Sdl_Pad_Init();
// Handles a controller event; false for any other event.
bool Sdl_Pad_Event(const SDL_Event& e);
// Closes every open controller.
void Sdl_Pad_Quit();
