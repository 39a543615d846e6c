// The main loop and its suspend handling.
#include "shell/main_loop.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/platform.h"
#include "shell/app_hooks.h"
#include "shell/app_state.h"
#include "shell/debug_overlay.h"
#include "shell/graphics_start.h"
#include "shell/screen.h"
#include "shell/timing.h"

namespace {
void Call(void (*fn)()) {
    if (fn) fn();
}

void Sleep_Ms(int ms) {
    if (Platform* p = Platform_Get()) p->Sleep_Ms(ms);
}

bool Window_Hidden_Or_Fullscreen(Platform* p) {
    return !p || p->Is_Minimised() || WindowedMode == 0 || !p->Is_Visible();
}
}  // namespace

void MainLoop_Suspend() {
    App_Hooks& h = App_GetHooks();
    if (App_Suspended()) {
        Sleep_Ms(100);
        if (SuspendMode == 0) {
            if (Window_Hidden_Or_Fullscreen(Platform_Get())) {
                SavedScreenState = ScreenState;
                ScreenState = 8;
                SuspendMode = 1;
            } else {
                SuspendMode = 2;
            }
        }
        Call(h.audio_mute);
        Sleep_Ms(10);
        return;
    }
    if (SuspendMode == 1) {
        SuspendMode = 0;
        if (WindowedMode == 1) Sleep_Ms(50);
        ScreenState = SavedScreenState;
    }
    if (SuspendMode == 2) {
        SuspendMode = 0;
        if (WindowedMode == 1) Sleep_Ms(50);
    }
    if (SuspendMode == 0) {
        Call(h.match_rate_update);
        Call(h.music_update);
        Call(h.ambience_update);
    }
}

void MainLoop_Iteration() {
    App_Hooks& h = App_GetHooks();
    MainLoop_Suspend();
    Call(h.pointer_update);
    Call(h.modal_update);
    Screen_RunFrame();
    if (Key_Down(VK_LCONTROL) && Key_Down('I')) DebugMode = 1;
    if (DebugMode == 1 && Key_Down(VK_F2) && Key_Down(VK_LCONTROL)) Debug_DrawOverlay();
    Call(h.modal_draw);
    FrameCounter += 1;
    Gfx_Present(-1);
    Timing_Update();
    if (Key_Down(VK_ESCAPE) && Key_Down(VK_LCONTROL)) QuitRequested = 1;
    if (App_CloseRequested()) QuitRequested = 1;
    Platform* p = Platform_Get();
    if (p && p->Is_Maximised() && WindowedMode == 1) Window_ToggleMode();
}

void MainLoop_Run(int max_frames, void (*after_frame)()) {
    int frames = 0;
    while (QuitRequested != 1 && (max_frames < 0 || frames < max_frames)) {
        MainLoop_Iteration();
        ++frames;
        if (after_frame) after_frame();
    }
}
