// Calls from the dialogs and the main menu into screens and stores that other modules
// provide: high scores, saved matches, the player and options dialogs, the tutorial and the
// level-choose map. Each module fills its entries when it starts; a null entry is skipped or
// falls back as its comment says, so the dialogs work with whatever modules exist.
#pragma once

struct Later_Hooks {
    // High scores. Inserts score for the current player when it earns a place; returns the
    // entry index, -1 when none (null: no table, never a place).
    int (*hs_place)(int score) = nullptr;
    // Opens the high-score dialog with entry highlight (-1 none); after_ok 1: its "OK" opens
    // the try-again box. Null: the try-again box opens at once when after_ok is 1.
    void (*hs_open)(int highlight, int after_ok) = nullptr;
    void (*hs_reset)() = nullptr; // empties the table and saves it
    // Opens the high-score dialog again with the highlight it had (after the reset-scores
    // box). Null: hs_open(-1, 0).
    void (*hs_reopen)() = nullptr;

    // Saved matches of the current player.
    int (*match_exists)() = nullptr; // 1 when a saved match file exists (null: none)
    void (*match_load)() = nullptr;  // restores mode, score, lives and level, enters the level
    void (*match_save)() = nullptr;  // saves the running match with its level state
    // Saves the match between levels (no level state): it resumes at the start of level.
    void (*match_save_map)(int level) = nullptr;

    // Player and options dialogs.
    void (*open_players)() = nullptr;
    void (*open_options)() = nullptr;
    // After the name-in-use or user-deleted box reopened the player dialog: puts back the
    // entry being edited (name_in_use 1) or the selection it remembered.
    void (*players_restore)(int name_in_use) = nullptr;

    // Tutorial: the help pages opened from a hint were closed.
    void (*tutorial_resume)() = nullptr;

    // Level-choose map.
    void (*map_clear_route)() = nullptr;           // forget the pending route choice
    int (*map_city_shown)() = nullptr;             // 1 when the pack's city was already shown
    void (*map_pack_entry)() = nullptr;            // the step after the city screen
    void (*map_disable_buttons)(int on) = nullptr; // disabled bit of the map buttons with id < 7
};
extern Later_Hooks Later;
