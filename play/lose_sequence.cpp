// Lose sequence stages and overlay.
#include "play/lose_sequence.h"
#include <string>
#include "chain/chain_hooks.h"
#include "chain/piece.h"
#include "engine/gfx.h"
#include "engine/sound.h"
#include "play/hud.h"
#include "play/ingame_dialogs.h"
#include "play/ingame_steps.h"
#include "play/level_run.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/fonts.h"
#include "shell/texts.h"

namespace {
constexpr int kLoseFont = 9;

// Destruction with its effects: kind 2 pops, kind 0 is silent.
void Destroy(Piece* pc, int kind) {
    Chain_Hooks.Destroy(pc, kind, pc->color, 0, 0);
}

// Walks the pearl list taking each next link before the pearl may be destroyed.
template <typename Fn> void Each_Piece(Fn fn) {
    for (Piece* pc = Pieces.list_first; pc;) {
        Piece* next = pc->list_next;
        fn(pc);
        pc = next;
    }
}

// Stage 0: the board is cleared; only the pushers stay, off their tracks.
void Stage_Clear() {
    Each_Piece([](Piece* pc) { pc->Remove_From_Path(); });
    Each_Piece([](Piece* pc) {
        if (pc->color != PC_PUSHER) Destroy(pc, 2);
    });
    Step_Run(InGame_Steps.items_kill_all);
    if (Lives < 1) {
        LoseStage = 2;
    } else {
        LoseStage = 1;
        LoseTextAlpha = 0;
    }
}

void Stage_TextIn() {
    LoseTextAlpha += LOSE_TEXT_IN * FrameDt;
    if (LoseTextAlpha > 1) {
        LoseTextAlpha = 1;
        LoseStage = 2;
    }
}

// Turns one pusher towards straight up; true while it still had to turn.
bool Turn_Up(Piece* pc) {
    if (pc->angle == PUSHER_HEADING_UP) return false;
    while (pc->angle < 0)
        pc->angle += 360;
    float before = pc->angle;
    float step = PUSHER_TURN_SPEED * FrameDt;
    pc->angle += (before > 90 && before < PUSHER_HEADING_UP) ? step : -step;
    if ((before < PUSHER_HEADING_UP) != (pc->angle < PUSHER_HEADING_UP)) pc->angle = PUSHER_HEADING_UP;
    pc->anim_angle = pc->angle;
    return true;
}

void Stage_Turn() {
    bool turning = false;
    Each_Piece([&turning](Piece* pc) {
        if (pc->color == PC_PUSHER)
            turning = Turn_Up(pc) || turning;
        else
            Destroy(pc, 0);
    });
    if (!turning) LoseStage = 3;
}

void Stage_FlyOff() {
    bool left = false;
    Each_Piece([&left](Piece* pc) {
        if (pc->color != PC_PUSHER) {
            Destroy(pc, 0);
            return;
        }
        pc->spd += PUSHER_FLY_ACCEL * FrameDt;
        pc->y -= pc->spd * FrameDt;
        if (pc->IsVisible()) {
            Step_Run(InGame_Steps.fx_pusher_fire, pc->x, pc->y);
            left = true;
        } else {
            Destroy(pc, 0);
        }
    });
    if (left || LoseFade < LOSE_FADE_MAX) return;
    if (Lives < 1)
        Game_Over();
    else
        LoseStage = 4;
}

void Stage_TextOut() {
    LoseTextAlpha -= LOSE_TEXT_OUT * FrameDt;
    if (LoseTextAlpha >= 0) return;
    LoseTextAlpha = 0;
    LoseStage = -1;
    Lives -= 1;
    if (Lives >= 0) {
        // The attempt's points go with the attempt: the level starts again from its start score.
        Score = ScoreStartLevel;
        Level_Start();
    }
}

} // namespace

std::string Lose_Text() {
    return Lives < 2 ? TxtLastLife : std::to_string(Lives) + TxtLivesLeft;
}

void Level_Lose() {
    if (Relaxed_Mode == 1 || Losing == 1) return;
    Losing = 1;
    LoseStage = 0;
    HammerScore = 0;
    Step_Run(InGame_Steps.hammer_reset);
    Sfx_PlayAt(kSfxLevelLose, ScreenCenterX);
}

void Lose_Step() {
    Step_Run(InGame_Steps.fx_update);
    int stage = LoseStage;
    switch (stage) {
    case 0:
        Stage_Clear();
        break;
    case 1:
        Stage_TextIn();
        break;
    case 2:
        Stage_Turn();
        break;
    case 3:
        Stage_FlyOff();
        break;
    case 4:
        Stage_TextOut();
        break;
    default:
        return;
    }
    if ((stage == 3 || stage == 4) && Losing == 1 && LoseFade < LOSE_FADE_MAX) {
        LoseFade += LOSE_FADE_SPEED * FrameDt;
        if (LoseFade > LOSE_FADE_MAX) LoseFade = LOSE_FADE_MAX;
    }
}

void Lose_DrawOverlay() {
    if (Losing != 1 || Lives == 0) return;
    Draw_Plain(BLEND_ALPHA);
    if (LoseFade > 0) Draw_Veil(LoseFade);
    if (LoseStage >= 1 && LoseStage <= 4) {
        Font_Select(kLoseFont);
        std::string text = Lose_Text();
        Gfx_SetColor(24, 24, 24);
        Gfx_SetAlpha(0.75f);
        Text_DrawCentred(text, ScreenCenterX - 2, ScreenCenterY - 2);
        Gfx_SetColor(255, 255, 255);
        Gfx_SetAlpha(LoseTextAlpha);
        Text_DrawCentred(text, ScreenCenterX, ScreenCenterY);
    }
    Gfx_SetColor(255, 255, 255);
    Gfx_SetAlpha(1);
}

void Game_Over() {
    Step_Run(InGame_Steps.match_files_delete);
    LoseStage = -1;
    Step_Run(InGame_Dialogs.open_game_over);
}
