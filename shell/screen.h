// Screen states: 0 main menu, 1 in-game, 2 level choose (8 while suspended). Each state has
// enter, leave and frame steps registered by its screen; Screen_Set is the only way the
// menus and the level flow change the screen.
#pragma once

struct Screen_Steps {
    void (*enter)() = nullptr;  // run when the state is entered
    void (*leave)() = nullptr;  // run when the state is left
    void (*frame)() = nullptr;  // one frame of the screen (update and draw)
};

// Registers the steps of state 0, 1 or 2.
void Screen_Register(int state, const Screen_Steps& steps);
// Flushes the keyboard, runs the leave step of the current state and the enter step of the
// new one, then ScreenState = kind.
void Screen_Set(int kind);
// Runs the frame step: 1 in-game, 2 level choose, 0, 8 and any other value the main menu.
void Screen_RunFrame();
// Forgets every registration (tests).
void Screen_Reset();
