// The dialogs the level run opens in the modal slot: ready box, level complete, game over,
// roll-back offer and in-game menu, as one table so tests can put their own in.
// InGame_Dialogs_Reset installs the game's dialogs.
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

// The dialog actions.
// Ready: clears the pause, restarts the level clock, runs one tutorial tick.
void Ready_Accept();
// Level complete "continue": clears the pause and records the level as completed.
void LevelComplete_Continue();
// Roll-back offer "yes, trade" / "no, risk it".
void Rollback_Trade();
void Rollback_Decline();
// Game over "retry": a new match at the current level (saved match files deleted), started at once.
void GameOver_Retry();
