// Menu sparkles over the effect objects.
#include "gui/menu_sparkle.h"
#include "engine/gfx.h"
#include "fx/fx_recipes.h"
#include "fx/gfx_obj.h"
#include "shell/random.h"

void Menu_Sparkles_Update() {
    FX_Update();
}

void Menu_Sparkles_Draw() {
    const int layers[3] = {-10, 10, 20};
    for (int layer : layers)
        FX_DrawLayer(layer);
    Gfx_SetColor(255, 255, 255);
    Gfx_SetAlpha(1);
    Gfx_SetBlend(BLEND_ALPHA);
}

void Menu_Sparkles_Clear() {
    FX_Clear();
}

int Menu_Sparkles_Count() {
    return FX_Count();
}

void Menu_Sparkles_Spawn_Portal() {
    if (Rand(1, 2) != 1) return;
    int r1 = Rand(1, 237), r2 = Rand(1, 106);
    fx::FX_MenuSparkle(static_cast<float>(232 + r1), static_cast<float>(362 + r2));
}
