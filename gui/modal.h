// The modal dialog slot: one open dialog at a time, as set-up, update and draw callbacks and
// a swallow-input flag. The main loop runs it before the screen's frame and draws it after,
// so the dialog sits over any screen; swallowing keeps the screen below from reacting.
#pragma once

using Modal_Fn = void (*)();

// Opens a dialog, replacing any open one: stores update, draw and swallow, flushes keyboard
// and mouse, then runs setup. Called from inside the open dialog's update or draw, the
// replacement waits until that callback has returned (its set-up runs then), so a dialog
// never rebuilds its state under the walk that is still using it.
void Modal_Open(Modal_Fn setup, Modal_Fn update, Modal_Fn draw, int swallow);
// Closes the open dialog (and any replacement still waiting); its callbacks are not called again.
void Modal_Close();
// Main loop, before the screen's frame: the dialog's update, then Input_Swallow when the
// swallow flag is set (even if the update closed the dialog).
void Modal_Update();
// Main loop, after the screen's frame: the dialog's draw.
void Modal_Draw();
// Discards this frame's input: key presses and typed characters (held keys stay held),
// mouse press counters, the pointer's movement sum and its left press and release.
void Input_Swallow();
// Drops key presses and typed characters; keys still held stay held (so Ctrl+Esc still works).
void Keys_FlushPresses();
// 1 while a dialog is open.
int Modal_Active();
// Empty slot (start, tests).
void Modal_Reset();
// Installs the pointer update, the slot's update and draw, and the pointer position of the
// debug overlay into the application's per-frame hooks.
void GUI_InstallHooks();
