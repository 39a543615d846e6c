// Placeholder screens: each draws a recognisable background and its name; Enter moves on
// (menu -> map -> game -> menu), Escape goes back to the menu.
#include "gui/stub_screens.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/sound.h"
#include "shell/app_state.h"
#include "shell/screen.h"

namespace {
struct Stub_Look {
    int r0, g0, b0, r1, g1, b1;
    const char* caption;
};
const Stub_Look kLooks[3] = {
    {18, 40, 78, 70, 120, 170, "main menu"},
    {20, 60, 30, 90, 150, 80, "in game"},
    {70, 50, 20, 170, 130, 70, "level choose"},
};

void Draw_Stub(int state) {
    const Stub_Look& k = kLooks[state];
    Gfx_SetRotation(0);
    Gfx_SetScale(1, 1);
    Gfx_SetAlpha(1);
    Gfx_SetBlend(BLEND_SOLID);
    for (int band = 0; band < 20; ++band) {
        int t = band * 255 / 19;
        Gfx_SetColor(k.r0 + (k.r1 - k.r0) * t / 255, k.g0 + (k.g1 - k.g0) * t / 255,
                     k.b0 + (k.b1 - k.b0) * t / 255);
        Gfx_DrawRect(0, band * 30.0f, ScreenWidth, 30);
    }
    Gfx_SetBlend(BLEND_ALPHA);
    Gfx_SetColor(255, 230, 150);
    Gfx_DrawOval(ScreenCenterX - 60, 160, 120, 120);
    Gfx_SetColor(255, 255, 255);
    Gfx_SetFont(nullptr);
    std::string title = GameTitle + " - " + k.caption;
    Gfx_DrawText(title, ScreenCenterX - Gfx_TextWidth(title) / 2.0f, 320);
    const char* hint = "Enter: next screen   Esc: menu   Ctrl+Esc: quit";
    Gfx_DrawText(hint, ScreenCenterX - Gfx_TextWidth(hint) / 2.0f, 560);
}

template <int State>
void Stub_Frame() {
    Draw_Stub(State);
    if (Key_Hit(VK_RETURN)) Screen_Set(State == 0 ? 2 : State == 2 ? 1 : 0);
    else if (State != 0 && Key_Hit(VK_ESCAPE)) Screen_Set(0);
}

// Entering the menu brings back its wind and the calm music track.
void Menu_Enter() {
    Ambience_StartMenu();
    Music_Play(0);
}
}  // namespace

void Stub_Screens_Load() {}

void Stub_Screens_Register() {
    Screen_Register(0, {Menu_Enter, nullptr, Stub_Frame<0>});
    Screen_Register(1, {nullptr, nullptr, Stub_Frame<1>});
    Screen_Register(2, {nullptr, nullptr, Stub_Frame<2>});
}
