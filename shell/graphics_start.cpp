// Screen opening with its fallbacks.
#include "shell/graphics_start.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/platform.h"
#include "shell/app_hooks.h"
#include "shell/app_state.h"
#include "shell/log.h"

const char* const kScreenFailedText = "Sorry, can't initialize screen device, check your video card drivers";

bool Graphics_Start() {
    // Neither Direct3D back end exists on this platform: the game draws through OpenGL (or the
    // software renderer when headless), and says so as it always has.
    Log_Line(" starts graphics in DX7 mode");
    Log_Line(" Hmm, should we try in opengl ? ");
    int depth = WindowedMode == 1 ? 0 : 32;
    bool ok = Gfx_OpenScreen(ScreenWidth, ScreenHeight, depth, 60);
    if (!ok) ok = Gfx_OpenScreen(ScreenWidth, ScreenHeight, 0, 0);
    if (!ok) {
        Message_Box(kScreenFailedText, false);
        return false;
    }
    if (Platform* p = Platform_Get()) p->Set_Title(GameTitle);
    return true;
}

void Window_ToggleMode() {
    WindowedMode = 1 - WindowedMode;
    Graphics_Start();
    App_Hooks& h = App_GetHooks();
    if (h.fonts_reload) h.fonts_reload();
    if (h.window_mode_saved) h.window_mode_saved(WindowedMode);
}
