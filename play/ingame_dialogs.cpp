// The level run's dialog actions and their stand-in boxes. The stand-ins are deliberately
// plain: a box with the dialog's text and its keys, replaced by the real dialogs when those
// are installed into InGame_Dialogs.
#include "play/ingame_dialogs.h"
#include <string>
#include "content/level_catalogue.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/modal.h"
#include "play/hud.h"
#include "play/ingame_steps.h"
#include "play/level_run.h"
#include "play/level_state.h"
#include "play/match.h"
#include "play/pointer.h"
#include "shell/app_state.h"
#include "shell/fonts.h"
#include "shell/screen.h"
#include "shell/texts.h"

namespace {
constexpr int kRollbackMs = 5000; // roll-back bought with a life
constexpr int kBoxW = 440, kBoxH = 220;
constexpr int kBoxX = ScreenCenterX - kBoxW / 2, kBoxY = ScreenCenterY - kBoxH / 2;
constexpr int kTitleFont = 9, kTextFont = 6;
constexpr int kRollbackTrade = 6, kRollbackRisk = 7; // button caption indices
constexpr int kMsgRollback = 3, kMsgReady = 4, kMsgTryAgain = 1;
constexpr int kTitleGameOver = 1, kTitleWarning = 3, kTitleComplete = 6;

bool Any_Key() {
    bool hit = false;
    for (int code = 1; code < 256; ++code)
        if (Key_Hit(code)) hit = true;
    return hit || LeftHit;
}

void Box_Draw(const std::string& title, const std::string& text, const std::string& hint) {
    Draw_Plain(BLEND_ALPHA);
    Gfx_SetColor(16, 22, 40);
    Gfx_SetAlpha(0.85f);
    Gfx_DrawRect(kBoxX, kBoxY, kBoxW, kBoxH);
    Gfx_SetColor(255, 255, 255);
    Gfx_SetAlpha(1);
    int y = kBoxY + 40;
    if (!title.empty()) {
        Font_Select(kTitleFont);
        Text_DrawCentred(title, ScreenCenterX, static_cast<float>(y));
        y += 40;
    }
    Font_Select(kTextFont);
    Text_Wrap(text, kBoxX + 30, static_cast<float>(y), kBoxW - 60, 0, 1);
    Font_Select(kTextFont);
    Gfx_SetColor(200, 210, 230);
    Text_DrawCentred(hint, ScreenCenterX, kBoxY + kBoxH - 24);
    Gfx_SetColor(255, 255, 255);
}

void Set_Paused() {
    Paused = 1;
}

void Ready_Update() {
    if (Any_Key()) {
        Modal_Close();
        Ready_Accept();
    }
}
void Ready_Draw() {
    Box_Draw("", TxtMessages[kMsgReady], "stand-in: any key or click");
}

void Complete_Update() {
    Step_Run(InGame_Steps.fx_update);
    if (Key_Hit(VK_ESCAPE) || Key_Hit(VK_RETURN) || Key_Hit(VK_SPACE) || LeftHit) {
        Modal_Close();
        LevelComplete_Continue();
        // Until the level-choose map exists, its step on to the next level is taken here.
        if (ScreenState == 2) {
            const LevelInfo* info = Level_Info(LevelCrt);
            int next = info && info->reveals_level[0] >= 0 ? info->reveals_level[0] + 1 : LevelCrt + 1;
            if (next <= LevelsCount) {
                LevelCrt = next;
                Screen_Set(1);
            }
        }
    }
}
void Complete_Draw() {
    std::string stats = TxtScore + std::to_string(LevelScore);
    Box_Draw(TxtTitles[kTitleComplete], stats, "stand-in: Enter, Space, Escape or click");
}

void GameOver_Update() {
    if (Key_Hit(VK_ESCAPE) || Key_Hit(VK_RETURN) || LeftHit) {
        Modal_Close();
        GameOver_Retry();
    }
}
void GameOver_Draw() {
    Box_Draw(TxtTitles[kTitleGameOver], TxtMessages[kMsgTryAgain],
             "stand-in: any of Enter, Escape, click retries");
}

void Rollback_Setup() {
    if (Lives <= 0) {
        Modal_Close();
        return;
    }
    Paused = 1;
}
void Rollback_Update() {
    bool trade = Key_Hit(VK_RETURN) || (LeftHit && PtrX < ScreenCenterX);
    bool risk = !trade && (Key_Hit(VK_ESCAPE) || (LeftHit && PtrX >= ScreenCenterX));
    if (!trade && !risk) return;
    Modal_Close();
    if (trade)
        Rollback_Trade();
    else
        Rollback_Decline();
}
void Rollback_Draw() {
    Box_Draw(TxtTitles[kTitleWarning], TxtMessages[kMsgRollback],
             "Enter/left: " + TxtButtons[kRollbackTrade] + "   Esc/right: " + TxtButtons[kRollbackRisk]);
}
} // namespace

InGame_Dialogs_Table InGame_Dialogs = {StandIn_OpenReady, StandIn_OpenLevelComplete, StandIn_OpenGameOver,
                                       StandIn_OpenRollbackOffer, nullptr};

void InGame_Dialogs_Reset() {
    InGame_Dialogs = {StandIn_OpenReady, StandIn_OpenLevelComplete, StandIn_OpenGameOver,
                      StandIn_OpenRollbackOffer, nullptr};
}

void Ready_Accept() {
    Paused = 0;
    LevelTime = 0;
    Step_Run(InGame_Steps.tutorial_tick);
}

void LevelComplete_Continue() {
    Paused = 0;
    Level_MarkComplete();
}

void Rollback_Trade() {
    PcModReverseCnt = kRollbackMs;
    Lives -= 1;
    PcModPauseCnt = 0;
    Paused = 0;
    RollbackOffer = 1;
}

void Rollback_Decline() {
    RollbackOffer = 0;
    Paused = 0;
}

void GameOver_Retry() {
    Paused = 0;
    Match_Begin(LevelCrt);
    Level_Start();
}

void StandIn_OpenReady() {
    Modal_Open(Set_Paused, Ready_Update, Ready_Draw, 1);
}
void StandIn_OpenLevelComplete() {
    Modal_Open(Set_Paused, Complete_Update, Complete_Draw, 1);
}
void StandIn_OpenGameOver() {
    Modal_Open(Set_Paused, GameOver_Update, GameOver_Draw, 1);
}
void StandIn_OpenRollbackOffer() {
    Modal_Open(Rollback_Setup, Rollback_Update, Rollback_Draw, 1);
}
