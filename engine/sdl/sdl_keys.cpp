// Key mapping table: letters and digits keep their ASCII upper-case codes, as virtual keys do.
#include "engine/sdl/sdl_keys.h"

namespace {
struct Key_Pair {
    SDL_Keycode sdl;
    int vk;
};
const Key_Pair kKeys[] = {
    {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9},       {SDLK_RETURN, 13},   {SDLK_KP_ENTER, 13},
    {SDLK_PAUSE, 19},    {SDLK_ESCAPE, 27},   {SDLK_SPACE, 32},    {SDLK_PAGEUP, 33},
    {SDLK_PAGEDOWN, 34}, {SDLK_END, 35},      {SDLK_HOME, 36},     {SDLK_LEFT, 37},
    {SDLK_UP, 38},       {SDLK_RIGHT, 39},    {SDLK_DOWN, 40},     {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},   {SDLK_KP_0, 96},     {SDLK_KP_1, 97},     {SDLK_KP_2, 98},
    {SDLK_KP_3, 99},     {SDLK_KP_4, 100},    {SDLK_KP_5, 101},    {SDLK_KP_6, 102},
    {SDLK_KP_7, 103},    {SDLK_KP_8, 104},    {SDLK_KP_9, 105},    {SDLK_KP_MULTIPLY, 106},
    {SDLK_KP_PLUS, 107}, {SDLK_KP_MINUS, 109}, {SDLK_KP_PERIOD, 110}, {SDLK_KP_DIVIDE, 111},
    {SDLK_LSHIFT, 160},  {SDLK_RSHIFT, 161},  {SDLK_LCTRL, 162},   {SDLK_RCTRL, 163},
    {SDLK_LALT, 164},    {SDLK_RALT, 165},
};
}  // namespace

int Sdl_KeyToVk(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
    for (const Key_Pair& k : kKeys)
        if (k.sdl == key) return k.vk;
    return 0;
}
