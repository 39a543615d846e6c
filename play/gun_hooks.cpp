// The gun and the shots in the level run's steps, and the chain hooks they fill.
#include "play/gun_hooks.h"
#include "chain/path.h"
#include "chain/shot.h"
#include "play/gun.h"
#include "play/ingame_steps.h"
#include "play/powerups.h"

namespace {
void Step_Win_Pc_Create(Path* path) {
    path->Win_Pc_Create();
}
// Items made by shots go through the level run's item step when the items exist.
void Shot_Item_Create(int kind, int x, int y) {
    Step_Run(InGame_Steps.item_create, kind, x, y);
}
} // namespace

void Shooting_InstallHooks() {
    Chain_Shooting_InstallHooks();
    Shot_Hooks.item_create = Shot_Item_Create;
    InGame_Steps.gun_reset = Gun_Reset;
    InGame_Steps.gun_right_click = Gun_RightClick;
    InGame_Steps.shots_update = Shots_Update;
    InGame_Steps.gun_update = Gun_Update;
    InGame_Steps.gun_toggle_guide = Gun_ToggleGuide;
    InGame_Steps.gun_draw_base = Gun_DrawBase;
    InGame_Steps.gun_draw_top = Gun_DrawTop;
    InGame_Steps.win_pc_create = Step_Win_Pc_Create;
    PowerUps_InstallHooks();
}
