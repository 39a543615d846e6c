// The level run's dialogs: ready, roll-back trade, level complete, last life, try again and
// the game-over chain that leads between them.
#include <string>
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/dialog.h"
#include "gui/later_hooks.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "play/ingame_dialogs.h"
#include "play/ingame_steps.h"
#include "play/level_state.h"
#include "play/match.h"
#include "shell/fonts.h"
#include "shell/random.h"
#include "shell/screen.h"
#include "shell/texts.h"

namespace {
// Button caption ids.
enum { kYes = 0, kNo, kRetry, kMenu, kContinue, kNewGame, kTrade, kRisk, kReady, kOk };
constexpr int kRowX1 = 39, kRowX2 = 205, kRowY = 187; // standard two-button row
constexpr int kSingleX = 121, kSingleY = 170;         // standard single button
constexpr int kCompleteBtnX = 189, kCompleteBtnY = 287;

struct Level_Dialogs {
    int tip = 0;       // tip of the level-complete dialog
    int hs_entry = -1; // high-score entry of the match that just ended
};
Level_Dialogs g;

void Set_Paused() {
    Paused = 1;
}

// Ready box.
void Ready_Act(GUIBtn*) {
    Modal_Close();
    Ready_Accept();
}
void Ready_Setup() {
    Paused = 1;
    Dlg_Begin(DLG2);
    Dlg_Button(kReady, kSingleX, kSingleY, Ready_Act, 6);
}
void Ready_Update() {
    if (Dlg_AnyKey()) return Ready_Act(nullptr);
    Dlg.buttons.Update_All();
}
void Ready_Draw() {
    Dlg_DrawBg(DLG2);
    Dlg_WrapCentred(6, TxtMessages[4], 70, 80, Dlg_W(DLG2) - 140);
    Dlg.buttons.Draw_All();
}

// Trade box.
void Trade_Yes(GUIBtn*) {
    Modal_Close();
    Rollback_Trade();
}
void Trade_No(GUIBtn*) {
    Modal_Close();
    Rollback_Decline();
}
void Trade_Setup() {
    if (Lives <= 0) {
        Modal_Close();
        return;
    }
    Paused = 1;
    Dlg_Begin(DLG1);
    int w = Dlg_W(DLG1);
    Dlg.msg_font = Font_Fit(TxtMessages[3], 5, w - 100, 90);
    Dlg_Button(kTrade, kRowX1, kRowY, Trade_Yes, 6);
    int btn_w = Gfx_ImageWidth(Dlg_Skins[DLG1].btn_default);
    int risk_font = Font_Fit(TxtButtons[kRisk], 5, btn_w - 26, 30);
    Dlg_Button(kRisk, kRowX2, kRowY, Trade_No, risk_font);
}
void Trade_Update() {
    if (Key_Hit(VK_ESCAPE)) return Trade_No(nullptr);
    if (Key_Hit(VK_RETURN)) return Trade_Yes(nullptr);
    Dlg.buttons.Update_All();
}
void Trade_Draw() {
    Dlg_DrawBg(DLG1);
    int w = Dlg_W(DLG1);
    Dlg_Centred(9, TxtTitles[3], w / 2, 66);
    Dlg_WrapLeft(Dlg.msg_font, TxtMessages[3], 50, 100, w - 100);
    Dlg.buttons.Draw_All();
}

// Level-complete dialog.
void Complete_Act(GUIBtn*) {
    Modal_Close();
    LevelComplete_Continue();
}
void Complete_Setup() {
    Paused = 1;
    Dlg_Begin(DLG3);
    g.tip = Rand(0, TxtTipsCount - 1);
    Dlg_Button(kContinue, kCompleteBtnX, kCompleteBtnY, Complete_Act, 6);
}
void Complete_Update() {
    Step_Run(InGame_Steps.fx_update);
    if (Key_Hit(VK_ESCAPE) || Key_Hit(VK_RETURN) || Key_Hit(VK_SPACE)) return Complete_Act(nullptr);
    Dlg.buttons.Update_All();
}
void Complete_Draw() {
    Dlg_DrawBg(DLG3);
    Dlg_Centred(8, TxtTitles[6], Dlg_W(DLG3) / 2, 80);
    const std::string left[3] = {TxtLevelStats[0] + std::to_string(ChainScore),
                                 TxtLevelStats[1] + std::to_string(ComboScore),
                                 TxtLevelStats[2] + std::to_string(LongestSet)};
    const std::string right[3] = {TxtLevelStats[3] + Time_Format(LevelTime / 1000),
                                  TxtLevelStats[4] + std::to_string(LevelScore),
                                  TxtLevelStats[5] + std::to_string(LevelCoins)};
    Font_Select(5);
    for (int i = 0; i < 3; ++i) {
        Gfx_DrawText(left[i], Dlg.x + 80, Dlg.y + 115 + 24 * i);
        Gfx_DrawText(right[i], Dlg.x + 300, Dlg.y + 115 + 24 * i);
    }
    Gfx_DrawText(TxtLevelStats[6], Dlg.x + 120, Dlg.y + 210);
    Dlg_WrapLeft(3, TxtTips[g.tip], 80, 240, 430);
    Dlg.buttons.Draw_All();
}

// Last-life box.
void LastLife_Act(GUIBtn*) {
    Modal_Close();
    if (Later.hs_open)
        Later.hs_open(g.hs_entry, 1);
    else
        Dlg_OpenTryAgain();
}
void LastLife_Setup() {
    Dlg_Begin(DLG2);
    Dlg_Button(kOk, kSingleX, kSingleY, LastLife_Act, 6);
}
void LastLife_Update() {
    if (Dlg_AnyKey()) return LastLife_Act(nullptr);
    Dlg.buttons.Update_All();
}
void LastLife_Draw() {
    Dlg_DrawBg(DLG2);
    Dlg_WrapCentred(6, TxtMessages[14], 60, 75, Dlg_W(DLG2) - 120);
    Dlg.buttons.Draw_All();
}

// Try-again box.
void TryAgain_Retry(GUIBtn*) {
    Modal_Close();
    GameOver_Retry();
}
void TryAgain_Menu(GUIBtn*) {
    Modal_Close();
    Paused = 0;
    Screen_Set(0);
}
void TryAgain_Setup() {
    Paused = 1;
    Dlg_Begin(DLG1);
    Dlg_Button(kRetry, kRowX1, kRowY, TryAgain_Retry, 6);
    Dlg_Button(kMenu, kRowX2, kRowY, TryAgain_Menu, 6);
}
void TryAgain_Update() {
    if (Key_Hit(VK_ESCAPE)) return TryAgain_Retry(nullptr);
    if (Key_Hit(VK_RETURN)) return TryAgain_Menu(nullptr);
    Dlg.buttons.Update_All();
}
void TryAgain_Draw() {
    Dlg_DrawBg(DLG1);
    int w = Dlg_W(DLG1);
    Dlg_WrapCentred(9, TxtTitles[1], 70, 50, w - 140);
    Dlg_WrapCentred(6, TxtMessages[1], 70, 120, w - 140);
    Dlg.buttons.Draw_All();
}
} // namespace

void Dlg_OpenReady() {
    Modal_Open(Ready_Setup, Ready_Update, Ready_Draw, 1);
}
void Dlg_OpenTrade() {
    Modal_Open(Trade_Setup, Trade_Update, Trade_Draw, 1);
}
void Dlg_OpenLevelComplete() {
    Modal_Open(Complete_Setup, Complete_Update, Complete_Draw, 1);
}
void Dlg_OpenLastLife() {
    Modal_Open(LastLife_Setup, LastLife_Update, LastLife_Draw, 1);
}
void Dlg_OpenTryAgain() {
    Modal_Open(TryAgain_Setup, TryAgain_Update, TryAgain_Draw, 1);
}

void Dlg_GameOver() {
    Set_Paused();
    g.hs_entry = Later.hs_place ? Later.hs_place(Score) : -1;
    if (g.hs_entry >= 0)
        Dlg_OpenLastLife();
    else
        Dlg_OpenTryAgain();
}

int Dlg_TipIndex() {
    return g.tip;
}

void Dlg_NewRun(int level) {
    Match_Begin(level);
    Step_Run(InGame_Steps.match_files_delete);
}
