// Widget sound output.
#include "gui/gui_sound.h"

namespace {
GUI_Sound_Fn g_out = nullptr;
}

void GUI_SetSoundOut(GUI_Sound_Fn fn) {
    g_out = fn;
}

void GUI_Sound_Play(int entry, float rel_volume, int x, int y) {
    if (g_out) g_out(entry, rel_volume, x, y);
}
