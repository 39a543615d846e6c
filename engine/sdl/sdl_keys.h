// SDL key codes onto the game's virtual-key numbers.
#pragma once
#include <SDL.h>

// The virtual-key number of an SDL key, 0 for keys the game has no number for.
int Sdl_KeyToVk(SDL_Keycode key);
