// The level run's dialog table and the actions its dialogs take.
#include "play/ingame_dialogs.h"
#include "gui/msg_boxes.h"
#include "play/ingame_steps.h"
#include "play/level_run.h"
#include "play/level_state.h"
#include "play/match.h"

namespace {
constexpr int kRollbackMs = 5000; // roll-back bought with a life

const InGame_Dialogs_Table kGameDialogs = {Dlg_OpenReady, Dlg_OpenLevelComplete, Dlg_GameOver, Dlg_OpenTrade,
                                           Dlg_OpenInGameMenu};
} // namespace

InGame_Dialogs_Table InGame_Dialogs = kGameDialogs;

void InGame_Dialogs_Reset() {
    InGame_Dialogs = kGameDialogs;
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
    Step_Run(InGame_Steps.match_files_delete);
    Level_Start();
}
