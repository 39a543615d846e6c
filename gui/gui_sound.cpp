// Widget sound output.
#include "gui/gui_sound.h"
#include "engine/sound.h"
#include "shell/players.h"

namespace {
GUI_Sound_Fn g_out = nullptr;
}

void GUI_SetSoundOut(GUI_Sound_Fn fn) {
    g_out = fn;
}

void GUI_Sound_Play(int entry, float rel_volume, int x, int y) {
    if (g_out)
        g_out(entry, rel_volume, x, y);
    else
        Sfx_Play(entry, rel_volume * Player_FxVolume(), 1.0f, float(x), float(y));
}
