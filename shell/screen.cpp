// The screen-state machine.
#include "shell/screen.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "shell/app_state.h"

namespace {
Screen_Steps g_steps[3];

const Screen_Steps* Steps_Of(int state) { return state >= 0 && state <= 2 ? &g_steps[state] : nullptr; }
}  // namespace

void Screen_Register(int state, const Screen_Steps& steps) {
    if (state >= 0 && state <= 2) g_steps[state] = steps;
}

void Screen_Set(int kind) {
    Keys_Flush();
    if (const Screen_Steps* old = Steps_Of(ScreenState); old && old->leave) old->leave();
    if (const Screen_Steps* now = Steps_Of(kind); now && now->enter) now->enter();
    ScreenState = kind;
    Gfx_PrepareTextures(); // the new screen's images get their textures before its first frame
}

void Screen_RunFrame() {
    int state = ScreenState == 1 || ScreenState == 2 ? ScreenState : 0;
    if (g_steps[state].frame) g_steps[state].frame();
}

void Screen_Reset() {
    for (Screen_Steps& s : g_steps) s = Screen_Steps();
}
