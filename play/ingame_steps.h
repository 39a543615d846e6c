// The work of other subsystems that the level run calls at fixed points of the level start
// and of the in-game frame: gun, shots, hammer, effects, items, weather and tutorial. Each
// subsystem fills its entries when it starts; a null entry is skipped, so the level runs
// with whatever subsystems exist (and tests can run it with none).
#pragma once
#include <string>

struct Path;

struct InGame_Steps_Table {
    // Level start, in the order they run.
    void (*gun_reset)() = nullptr;                   // gun back to its start state, pearls dropped
    void (*hammer_reset)() = nullptr;                // hammer back to level 0
    void (*fx_clear)() = nullptr;                    // effect list emptied
    void (*items_reset)() = nullptr;                 // item list emptied, artefact timer restarted
    void (*tutorial_level_reset)() = nullptr;        // per-level hint state
    void (*weather_level_start)(int pack) = nullptr; // background particles of pack 0..4 set up and on

    // Update phase.
    void (*hammer_input)() = nullptr;     // hover and click handling
    void (*gun_right_click)() = nullptr;  // throw-away of the loaded pearl
    void (*tutorial_tick)() = nullptr;    // hint conditions and entry actions
    void (*shots_update)() = nullptr;     // flame orbs, flying and inserting shots
    void (*gun_update)() = nullptr;       // aiming, loading and firing
    void (*hammer_update)() = nullptr;    // charge and strike
    void (*fx_update)() = nullptr;        // effect objects age and move
    void (*items_update)() = nullptr;     // coins and artefacts
    void (*gun_toggle_guide)() = nullptr; // key G: the aiming-guide switch

    // Draw phase; fx_draw_layer takes the effect layer -10 (lowest), 10 (middle) or 20 (top).
    void (*fx_draw_layer)(int layer) = nullptr;
    void (*gun_draw_base)() = nullptr;       // before the pearl draw list
    void (*precision_draw_beam)() = nullptr; // while the precision timer runs
    void (*gun_draw_top)() = nullptr;        // after the pearl draw list
    void (*hammer_draw_hovered)() = nullptr; // highlight of the hovered pearls
    void (*items_draw)() = nullptr;          // coins and artefacts
    void (*weather_frame)() = nullptr;       // background particles (also while paused)
    void (*hammer_draw_icon)() = nullptr;    // after the HUD
    void (*hammer_draw_cursor)() = nullptr;  // after the screen's buttons

    // Win and lose sequences, developer keys.
    void (*win_pc_create)(Path* path) = nullptr;           // a win pearl leaves the track's hole
    void (*items_kill_all)() = nullptr;                    // every item dies
    void (*item_create)(int kind, int x, int y) = nullptr; // kind 0 coin, 4 artefact, screen units
    void (*match_files_delete)() = nullptr;                // the player's saved match files go

    // Effect recipes; positions in screen units, headings in degrees.
    void (*fx_gauge_sparkle)(int waves) = nullptr;
    void (*fx_new_life)() = nullptr;
    void (*fx_text_popup)(const std::string& text, int font, float x, float y, float heading,
                          int number) = nullptr;
    void (*fx_win_sparkle)(float x, float y) = nullptr;
    void (*fx_win_burst)(float x, float y) = nullptr;
    void (*fx_pusher_fire)(float x, float y) = nullptr;
    void (*fx_freeze)(float x, float y) = nullptr;
};
extern InGame_Steps_Table InGame_Steps;

// Calls a step when it is installed.
template <typename Fn, typename... Args> void Step_Run(Fn fn, Args... args) {
    if (fn) fn(args...);
}
