// The level table and the difficulty rules. Each pack lists its levels in order as
// {board, mirror, difficulty}. A board's first level is unmirrored (its art is drawn from
// it). Difficulty climbs through each pack with a step at every sub-pack end; the last level
// of a pack is its hardest, and the packs reached later start and end higher. Neutral's
// last sub-pack is played at the end of the route, after the other packs, so it climbs to
// the top of Fire's range.
#include "content/gen/gen_levels_table.h"
#include <algorithm>
#include <cmath>
#include "content/gen/gen_levels.h"

namespace {
constexpr int MX = LV_MIRROR_X, MY = LV_MIRROR_Y, MXY = LV_MIRROR_X | LV_MIRROR_Y;

const std::vector<Lv_Row> kRows[5] = {
    // Neutral: levels 1-10 teach the game, one novelty per level.
    {{1, 0, 0},   {2, 0, 3},   {3, 0, 6},    {1, MX, 8},  {6, 0, 10},   {2, MX, 12}, {4, 0, 14},
     {9, 0, 16},  {3, MX, 18}, {7, 0, 22},   {11, 0, 24}, {6, MX, 26},  {10, 0, 28}, {4, MX, 30},
     {5, 0, 32},  {9, MX, 33}, {2, MY, 35},  {8, 0, 38},  {11, MX, 40}, {12, 0, 45}, {1, MY, 55},
     {7, MX, 58}, {5, MX, 62}, {10, MX, 66}, {8, MX, 72}, {12, MX, 80}},
    // Water
    {{1, 0, 20},   {2, 0, 21},   {3, 0, 22},   {6, 0, 23},  {9, 0, 27},  {4, 0, 26},   {7, 0, 27},
     {11, 0, 28},  {10, 0, 30},  {5, 0, 34},   {8, 0, 33},  {12, 0, 34}, {1, MX, 36},  {2, MX, 37},
     {3, MX, 42},  {6, MX, 40},  {9, MX, 42},  {4, MX, 43}, {7, MX, 45}, {11, MX, 50}, {10, MX, 48},
     {5, MX, 50},  {8, MX, 51},  {12, MX, 53}, {1, MY, 58}, {2, MY, 56}, {7, MY, 58},  {8, MY, 60},
     {1, MXY, 62}, {2, MXY, 63}, {8, MXY, 65}},
    // Ice
    {{1, 0, 25},   {2, 0, 26},   {3, 0, 27},   {6, 0, 28},  {9, 0, 32},  {4, 0, 31},   {7, 0, 32},
     {11, 0, 33},  {10, 0, 35},  {5, 0, 39},   {8, 0, 38},  {12, 0, 39}, {1, MX, 41},  {2, MX, 42},
     {3, MX, 47},  {6, MX, 45},  {9, MX, 47},  {4, MX, 48}, {7, MX, 50}, {11, MX, 55}, {10, MX, 53},
     {5, MX, 55},  {8, MX, 56},  {12, MX, 58}, {1, MY, 63}, {2, MY, 61}, {7, MY, 63},  {8, MY, 65},
     {1, MXY, 67}, {2, MXY, 68}, {5, MX, 70}},
    // Fire
    {{1, 0, 40},  {2, 0, 41},   {3, 0, 42},   {6, 0, 43},  {9, 0, 48},   {4, 0, 46},
     {7, 0, 47},  {11, 0, 49},  {10, 0, 50},  {5, 0, 55},  {8, 0, 53},   {12, 0, 55},
     {1, MX, 56}, {2, MX, 58},  {3, MX, 62},  {6, MX, 61}, {9, MX, 63},  {4, MX, 64},
     {7, MX, 66}, {11, MX, 71}, {10, MX, 69}, {5, MX, 71}, {8, MX, 73},  {12, MX, 74},
     {1, MY, 79}, {2, MY, 78},  {7, MY, 80},  {8, MY, 81}, {1, MXY, 83}, {8, MXY, 85}},
    // Precious
    {{1, 0, 45},  {2, 0, 46},   {3, 0, 48},   {6, 0, 49},  {9, 0, 54},   {4, 0, 52},
     {7, 0, 54},  {11, 0, 56},  {10, 0, 58},  {5, 0, 62},  {8, 0, 61},   {12, 0, 63},
     {1, MX, 65}, {2, MX, 67},  {3, MX, 72},  {6, MX, 71}, {9, MX, 73},  {4, MX, 75},
     {7, MX, 77}, {11, MX, 82}, {10, MX, 81}, {5, MX, 83}, {8, MX, 78},  {12, MX, 80},
     {1, MY, 92}, {2, MY, 91},  {7, MY, 94},  {8, MY, 80}, {1, MXY, 98}, {5, MX, 100}},
};

const int kPackFirstLevel[5] = {1, 27, 58, 89, 119};

// Where each pack's difficulties are played: the rows above give the shape inside a pack
// (the steps at sub-pack ends), this gives the range it is stretched over. Neutral keeps
// its teaching levels low; the later packs start where a casual player begins to lose
// now and then and end where they lose about every other try.
struct Pack_Range {
    int lo, hi;
};
const Pack_Range kPlayed[5] = {{0, 80}, {52, 80}, {55, 83}, {58, 86}, {61, 90}};

// A row's difficulty moved into its pack's played range.
double Played_Difficulty(int pack, int d) {
    int lo = 100, hi = 0;
    for (const Lv_Row& r : kRows[pack])
        lo = std::min(lo, r.difficulty), hi = std::max(hi, r.difficulty);
    if (hi <= lo) return kPlayed[pack].lo;
    return kPlayed[pack].lo + double(d - lo) * (kPlayed[pack].hi - kPlayed[pack].lo) / (hi - lo);
}

// Colours in the order a pack brings them in.
const int kPalette[5][6] = {
    {0, 4, 5, 1, 2, 3}, {0, 1, 5, 2, 4, 3}, {0, 2, 1, 5, 4, 3}, {4, 3, 5, 1, 0, 2}, {2, 5, 1, 4, 0, 3}};

// Modifier kinds in level-file order: the level that teaches each one, and its chance in
// per mille at difficulty 0 and 100.
struct Mod_Rule {
    int first_level, lo, hi;
};
const Mod_Rule kMods[10] = {
    {4, 15, 35},  // PRECISION
    {2, 15, 40},  // REVERSE (roll-back, taught on level 2)
    {9, 8, 20},   // BOMB (stardust, level 9)
    {5, 12, 30},  // PAUSE (freeze, level 5)
    {8, 10, 25},  // REV_CLEAR (flame orb, level 8)
    {6, 10, 25},  // FIREBALL (level 6)
    {9, 30, 150}, // CHAIN (level 9)
    {10, 10, 20}, // SCORE2X (level 10)
    {10, 6, 15},  // SCORE3X (level 10)
    {7, 10, 30},  // BOMB_ZONE (area bomb, level 7)
};
constexpr int kTaughtChance = 40; // a modifier's chance on the level that teaches it, at least

int Lerp(double d, double lo, double hi) {
    return int(std::lround(lo + (hi - lo) * d / 100));
}
} // namespace

const Lv_Row* Lv_RowOf(int pack, int number) {
    if (pack < 0 || pack >= 5 || number < 1 || number > int(kRows[pack].size())) return nullptr;
    return &kRows[pack][number - 1];
}

Lv_Params Lv_ParamsOf(int pack, int number) {
    Lv_Params p;
    const Lv_Row* row = Lv_RowOf(pack, number);
    if (!row) return p;
    double d = Played_Difficulty(pack, row->difficulty);
    p.level = kPackFirstLevel[pack] + number - 1;
    p.win_points = int(std::lround((500 + 65 * d) / 100)) * 100;
    int ncol = d < 12 ? 3 : d < 40 ? 4 : d < 70 ? 5 : 6;
    p.colors.assign(kPalette[pack], kPalette[pack] + ncol);
    p.speed = Lerp(d, 28, 58);
    // The last stretch before the hole slows the string down, less so on hard levels.
    p.speed_end = int(p.speed * (0.8 + 0.15 * d / 100));
    p.speed_entry = Lerp(d, 320, 480);
    p.rush = 0.18 + 0.14 * d / 100;
    p.waves = 3 + int(d / 30);
    p.balls_first = Lerp(d, 26, 48);
    p.balls_step = 4 + int(d / 25);
    p.delay = Lerp(d, 9000, 4000);
    p.min_pieces = Lerp(d, 6, 16);
    for (int k = 0; k < 10; ++k) {
        if (p.level < kMods[k].first_level) continue;
        p.mods[k] = Lerp(d, kMods[k].lo, kMods[k].hi);
        if (p.level == kMods[k].first_level) p.mods[k] = std::max(p.mods[k], kTaughtChance);
    }
    if (p.level >= 3) {
        p.joker_path = std::max(p.level == 3 ? 6 : 0, Lerp(d, 2, 8));
        p.joker_gun = std::max(p.level == 3 ? 8 : 0, Lerp(d, 3, 12));
    }
    p.artefacts = p.level >= 8 ? 2 + int(d / 40) : 0;
    p.no_coins = p.level < 8;
    bool last_of_late_pack = pack >= 3 && number == int(kRows[pack].size());
    p.no_hammer = p.level < 4 || last_of_late_pack;
    p.alarm_left = 330;
    p.end_zone_left = 650;
    return p;
}
