// Developer overlay texts.
#include "shell/debug_overlay.h"
#include <cstdio>
#include <string>
#include "engine/gfx.h"
#include "engine/input.h"
#include "shell/app_hooks.h"
#include "shell/app_state.h"

long Debug_MemoryInUse() {
    // Resident set size from /proc: the closest measure of the live objects we have.
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * 4096;
}

void Debug_DrawOverlay() {
    App_Hooks& h = App_GetHooks();
    int px = h.pointer_x ? h.pointer_x() : Mouse_X();
    int py = h.pointer_y ? h.pointer_y() : Mouse_Y();
    Gfx_SetScale(1, 1);
    Gfx_SetBlend(BLEND_SOLID);
    Gfx_SetColor(255, 255, 255);
    Gfx_SetFont(nullptr);
    Gfx_DrawText("inst FPS=" + std::to_string(InstFps), 2, 50);
    Gfx_DrawText("Avg FPS=" + std::to_string(AvgFps), 2, 68);
    Gfx_DrawText("Mem=" + std::to_string(Debug_MemoryInUse()), 2, 34);
    Gfx_DrawText("MOUSE pos=(" + std::to_string(px) + "," + std::to_string(py) + ")", 400, 90);
    Gfx_DrawText("Last_Frame_Duration=" + std::to_string(static_cast<int>(FrameTime)), 2, 0);
}
