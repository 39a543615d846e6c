// The in-game screen frame.
#include "play/ingame_frame.h"
#include "chain/chain_draw.h"
#include "chain/chain_hooks.h"
#include "chain/gobj.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/gui_list.h"
#include "play/dev_keys.h"
#include "play/hud.h"
#include "play/ingame_dialogs.h"
#include "play/ingame_steps.h"
#include "play/level_run.h"
#include "play/level_state.h"
#include "play/lose_sequence.h"
#include "play/mod_timers.h"
#include "play/pointer.h"
#include "play/win_sequence.h"
#include "shell/app_state.h"
#include "shell/screen.h"

namespace {
GUI_List g_buttons;

int Frame_Ms() {
    return static_cast<int>(FrameTime);
}

void Suspend_Check() {
    if (SuspendMode != 0 && Paused == 0) {
        PausedBySuspend = 1;
        Paused = 1;
    } else if (SuspendMode == 0 && PausedBySuspend == 1) {
        PausedBySuspend = 0;
        Paused = 0;
    }
}

void Keys() {
    if (Key_Hit(VK_ESCAPE))
        Step_Run(InGame_Dialogs.open_menu);
    else if (Key_Hit('G'))
        Step_Run(InGame_Steps.gun_toggle_guide);
}

void Mod_Timers() {
    if (PcModReverseCnt > 0) Reverse_Step();
    if (PcModPauseCnt > 0) Pause_Step();
    if (PcModScore2xCnt > 0 || PcModScore3xCnt > 0) ScoreMul_Step();
}
} // namespace

GUI_List& InGame_Buttons() {
    return g_buttons;
}

void InGame_Register() {
    Screen_Register(1, {Level_Start, Level_Leave, InGame_Frame});
    Chain_Hooks.Level_Lose = Level_Lose;
}

void InGame_Load() {
    HUD_Load();
}

void InGame_Update() {
    const InGame_Steps_Table& s = InGame_Steps;
    Pieces_Pre_Frame();
    Step_Run(s.hammer_input);
    if (RightHit == 1) Step_Run(s.gun_right_click);
    Step_Run(s.tutorial_tick);
    PlayedTime += Frame_Ms();
    Paths_Generate();
    Paths_Compute_Segments();
    Mod_Timers();
    Paths_Move();
    Step_Run(s.shots_update);
    Step_Run(s.gun_update);
    Step_Run(s.hammer_update);
    Pushers_Update();
    Step_Run(s.fx_update);
    if (PcModPrecisionCnt > 0) Precision_Step();
    Step_Run(s.items_update);
    Win_Check();
}

void InGame_Draw() {
    const InGame_Steps_Table& s = InGame_Steps;
    Board_Draw();
    Step_Run(s.fx_draw_layer, -10);
    Step_Run(s.gun_draw_base);
    ZList_Draw();
    if (PcModPrecisionCnt > 0) Step_Run(s.precision_draw_beam);
    Step_Run(s.gun_draw_top);
    Step_Run(s.hammer_draw_hovered);
    Paths_Draw();
    if (Dev_PathOverlay) Paths_Draw_Curves();
    Step_Run(s.items_draw);
    Step_Run(s.fx_draw_layer, 10);
    Step_Run(s.weather_frame);
    HUD_Draw();
    Step_Run(s.fx_draw_layer, 20);
    Step_Run(s.hammer_draw_icon);
    g_buttons.Draw_All();
    Step_Run(s.hammer_draw_cursor);
    Lose_DrawOverlay();
    Pause_DrawOverlay();
    DevKeys_Run();
}

void InGame_Frame() {
    Suspend_Check();
    if (FirstFrame == 1) FirstFrame = 0;
    Keys();
    g_buttons.Update_All();
    if (Paused == 0) {
        if (Losing == 1) {
            if (LoseStage != -1) Lose_Step();
        } else if (Winning == 1) {
            Win_Step();
        } else {
            InGame_Update();
        }
        if (ScreenState != 1) return;
        LevelTime += Frame_Ms();
    }
    InGame_Draw();
    Gfx_SetBlend(BLEND_ALPHA);
    LevelFrameCounter += 1;
}
