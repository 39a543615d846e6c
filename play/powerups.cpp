// Power-up set-up and installation.
#include "play/powerups.h"
#include "chain/shot.h"
#include "play/flame_orb.h"
#include "play/hammer.h"
#include "play/ingame_steps.h"
#include "play/items.h"
#include "play/pc_mod_actions.h"
#include "play/precision_beam.h"
#include "play/treasures.h"

namespace {
bool g_init = false;

void Step_Item_Create(int kind, int x, int y) {
    Item_Create(kind, static_cast<float>(x), static_cast<float>(y));
}
} // namespace

void PowerUps_Init() {
    if (g_init) return;
    g_init = true;
    PcMod_InitTypes();
    Hammer_Init();
    Items_Init();
    Treasures_Init();
}

void PowerUps_LoadImages() {
    PowerUps_Init();
    Hammer_LoadImages();
    Items_LoadImages();
    Treasures_LoadImages();
    Precision_LoadImages();
}

void PowerUps_InstallHooks() {
    PowerUps_Init();
    InGame_Steps_Table& s = InGame_Steps;
    s.hammer_reset = Hammer_Reset;
    s.items_reset = Items_Reset;
    s.hammer_input = Hammer_Input;
    s.hammer_update = Hammer_Update;
    s.items_update = Items_Update;
    s.precision_draw_beam = Precision_DrawBeam;
    s.hammer_draw_hovered = Hammer_DrawHovered;
    s.items_draw = Items_Draw;
    s.hammer_draw_icon = Hammer_DrawIcon;
    s.hammer_draw_cursor = Hammer_DrawCursor;
    s.items_kill_all = Items_KillAll;
    s.item_create = Step_Item_Create;
    Shot_Hooks.item_hit = Items_HitByShot;
    Shot_Hooks.flame_orb_update = FlameOrb_Update;
}
