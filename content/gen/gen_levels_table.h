// The level table of the design: which board each level uses, how it is mirrored and how
// hard it is, and the rules that turn a difficulty into a level's numbers. Tune here.
#pragma once
#include <vector>

// One level's row of the table.
struct Lv_Row {
    int board;      // board number in the pack, from 1
    int mirror;     // LV_MIRROR_X | LV_MIRROR_Y
    int difficulty; // 0 (first level) .. 100 (hardest level of the game)
};

// Everything a level's files say, derived from its row.
struct Lv_Params {
    int level = 0;            // level number in the game, from 1
    int win_points = 0;       // WIN_POINTS
    std::vector<int> colors;  // COLORS, in order
    int speed = 0;            // SPD of the track after its entry stretch, units per second
    int speed_end = 0;        // SPD over the last fifth of the track, toward the hole
    int speed_entry = 0;      // SPD of the entry stretch
    double rush = 0;          // share of the track length run at the entry speed
    int waves = 0;            // bursts per track; the last one repeats
    int balls_first = 0;      // BALLS of the first burst (single-track boards)
    int balls_step = 0;       // BALLS added per further burst
    int delay = 0;            // DELAY after each burst, ms
    int min_pieces = 0;       // MIN_PIECES of every burst but the first
    int mods[10] = {};        // per-mille chance of each modifier kind (level-file keys)
    int joker_path = 0;       // JOKER_ON_PATH, percent
    int joker_gun = 0;        // JOKER_ON_GUN, percent
    int artefacts = 0;        // number of ARTEFACT_POS places
    bool no_coins = false;    // NO_COINS
    bool no_hammer = false;   // NO_HAMMER
    double alarm_left = 0;    // ALARM mark: the last point at least this far from the hole
    double end_zone_left = 0; // END_ZONE mark likewise
};

// The row of level `number` (from 1) of pack; null past the pack's end.
const Lv_Row* Lv_RowOf(int pack, int number);
// The level's numbers from its row and place in the game.
Lv_Params Lv_ParamsOf(int pack, int number);
