// The dialogs the level run opens in the modal slot: ready box, level complete, game over,
// roll-back offer and in-game menu. The dialogs screen installs its own; until then the
// entries hold minimal stand-ins (plain boxes with the same actions) so a level can be played
// through. InGame_Dialogs_Reset puts the stand-ins back.
#pragma once

struct InGame_Dialogs_Table {
    void (*open_ready)() = nullptr;          // "Press any key when you are ready!"
    void (*open_level_complete)() = nullptr; // after the win sequence
    void (*open_game_over)() = nullptr;      // after the lose sequence with no life left
    void (*open_rollback_offer)() = nullptr; // trade a life for a roll-back
    void (*open_menu)() = nullptr;           // Escape in game; null: nothing
};
extern InGame_Dialogs_Table InGame_Dialogs;

void InGame_Dialogs_Reset();

// The dialog actions, shared by the stand-ins and the real dialogs.
// Ready: clears the pause, restarts the level clock, runs one tutorial tick.
void Ready_Accept();
// Level complete "continue": clears the pause and records the level as completed.
void LevelComplete_Continue();
// Roll-back offer "yes, trade" / "no, risk it".
void Rollback_Trade();
void Rollback_Decline();
// Game over "retry": a new match at the current level, started at once.
void GameOver_Retry();

// The stand-ins themselves (each closes the slot before it acts).
void StandIn_OpenReady();
void StandIn_OpenLevelComplete();
void StandIn_OpenGameOver();
void StandIn_OpenRollbackOffer();
