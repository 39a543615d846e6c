// The level catalogue: the packs' layout, node positions, flags, crossroads, pack ends and
// treasures, entered level by level through Level_Add.
#include "content/level_catalogue.h"
#include <cstdio>
#include <iterator>

Level_Catalogue Catalogue;
int LevelsCount = 0;
const char* const PackNames[PACKS_COUNT] = {"Neutral", "Water", "Ice", "Fire", "Precious"};
const char* const LevelPacksFolder = ".\\data\\packs\\";

namespace {
struct Point {
    int x, y;
};

// Map node positions in level order, pack by pack.
constexpr Point kNeutral[] = {{149, 119}, {173, 124}, {185, 130}, {194, 140}, {203, 150}, {215, 157},
                              {228, 164}, {233, 176}, {237, 189}, {242, 202}, {263, 213}, {293, 235},
                              {305, 261}, {327, 285}, {343, 312}, {381, 303}, {414, 284}, {459, 275},
                              {498, 280}, {532, 289}, {551, 300}, {572, 326}, {588, 338}, {601, 353},
                              {616, 365}, {632, 372}};
constexpr Point kWater[] = {
    {219, 205}, {213, 223}, {218, 237}, {227, 247}, {241, 252}, {241, 265}, {239, 291}, {236, 309},
    {254, 316}, {266, 333}, {267, 345}, {278, 373}, {277, 389}, {270, 406}, {253, 406}, {228, 406},
    {226, 428}, {212, 439}, {195, 435}, {179, 424}, {162, 402}, {151, 417}, {134, 408}, {120, 396},
    {123, 378}, {109, 353}, {133, 356}, {147, 357}, {161, 357}, {175, 355}, {187, 348}};
constexpr Point kIce[] = {{252, 187}, {271, 182}, {270, 167}, {264, 153}, {265, 136}, {263, 107}, {276, 98},
                          {288, 91},  {304, 95},  {319, 95},  {333, 86},  {359, 90},  {376, 85},  {391, 84},
                          {407, 84},  {420, 79},  {442, 95},  {445, 107}, {457, 115}, {469, 124}, {471, 129},
                          {468, 147}, {465, 159}, {470, 170}, {469, 184}, {456, 191}, {455, 217}, {442, 229},
                          {424, 232}, {404, 229}, {413, 215}};
constexpr Point kFire[] = {{518, 302}, {532, 326}, {534, 341}, {544, 348}, {554, 357}, {554, 367},
                           {557, 390}, {555, 402}, {549, 412}, {543, 422}, {534, 433}, {526, 447},
                           {514, 452}, {502, 456}, {487, 457}, {461, 451}, {449, 462}, {436, 464},
                           {424, 463}, {411, 462}, {386, 451}, {378, 451}, {370, 442}, {371, 430},
                           {383, 430}, {394, 425}, {416, 430}, {427, 426}, {437, 421}, {450, 417}};
constexpr Point kPrecious[] = {{544, 272}, {565, 288}, {579, 291}, {591, 300}, {604, 301}, {614, 298},
                               {634, 313}, {647, 314}, {659, 313}, {672, 309}, {676, 287}, {694, 283},
                               {691, 269}, {679, 260}, {689, 247}, {692, 226}, {691, 215}, {685, 201},
                               {690, 187}, {694, 172}, {680, 146}, {669, 149}, {658, 159}, {650, 172},
                               {649, 187}, {642, 198}, {658, 220}, {658, 237}, {648, 248}, {633, 248}};

static_assert(std::size(kNeutral) == 26 && std::size(kWater) == 31 && std::size(kIce) == 31);
static_assert(std::size(kFire) == 30 && std::size(kPrecious) == 30);

struct Pack_Layout {
    const Point* nodes;
    int subpacks[6]; // sub-pack sizes, 0 ends the list
};
const Pack_Layout kPacks[PACKS_COUNT] = {
    {kNeutral, {10, 10, 6}},     {kWater, {5, 5, 5, 5, 5, 6}},    {kIce, {5, 5, 5, 5, 5, 6}},
    {kFire, {5, 5, 5, 5, 5, 5}}, {kPrecious, {5, 5, 5, 5, 5, 5}},
};

// Node flags by level number; every level not listed has 0.
struct Level_Flags {
    int level, flags;
};
constexpr Level_Flags kFlags[] = {
    {1, 0x01},   {10, 0x08},  {11, 0x01},  {20, 0x08},  {21, 0x09},  {26, 0x20},  {27, 0x81},  {32, 0x01},
    {37, 0x01},  {42, 0x01},  {47, 0x01},  {52, 0x01},  {56, 0x40},  {57, 0x10},  {58, 0x81},  {63, 0x01},
    {68, 0x01},  {73, 0x01},  {78, 0x01},  {83, 0x01},  {87, 0x40},  {88, 0x10},  {89, 0x81},  {94, 0x01},
    {99, 0x01},  {104, 0x01}, {109, 0x01}, {114, 0x01}, {117, 0x40}, {118, 0x10}, {119, 0x81}, {124, 0x01},
    {129, 0x01}, {134, 0x01}, {139, 0x01}, {144, 0x01}, {147, 0x40}, {148, 0x10},
};

// Treasures by level number.
constexpr Level_Flags kTreasures[] = {{25, 4}, {57, 0}, {88, 1}, {118, 2}, {148, 3}};

// Crossroads: level number and the level numbers it reveals (onward first).
struct Crossroad {
    int level, reveals[3];
};
constexpr Crossroad kCrossroads[] = {{10, {11, 27, 58}}, {20, {21, 89, 119}}};

// Pack ends and the crossroad (level number) the route returns to.
constexpr Level_Flags kPackEnds[] = {{57, 10}, {88, 10}, {118, 20}, {148, 20}};

int Flags_Of(int level) {
    for (const Level_Flags& f : kFlags)
        if (f.level == level) return f.flags;
    return 0;
}

void Apply_Routes() {
    LevelInfo* lv = Catalogue.levels;
    for (const Level_Flags& t : kTreasures) {
        lv[t.level - 1].gives = LEVEL_GIVES_TREASURE;
        lv[t.level - 1].goodie = t.flags;
    }
    for (const Crossroad& c : kCrossroads) {
        LevelInfo& e = lv[c.level - 1];
        for (int i = 0; i < 3; ++i)
            e.reveals_level[i] = c.reveals[i] - 1;
        e.reveals_count = 3;
    }
    for (const Level_Flags& p : kPackEnds) {
        LevelInfo& e = lv[p.level - 1];
        e.reveals_count = 0;
        e.reveals_level[0] = -1;
        e.branch_level = p.flags - 1;
    }
}
} // namespace

void Catalogue_Reset() {
    Catalogue = Level_Catalogue();
}

void Catalogue_NewPack(int pack_id) {
    Catalogue.pack = pack_id;
    Catalogue.pack_index = Catalogue.subpack = Catalogue.subpack_index = 0;
}

void Catalogue_NewSubpack() {
    Catalogue.subpack += 1;
    Catalogue.subpack_index = 0;
}

LevelInfo* Level_Add(int scr_x, int scr_y, int flags, int gives) {
    Level_Catalogue& c = Catalogue;
    if (c.count >= LEVELS_SLOTS) return nullptr;
    LevelInfo& e = c.levels[c.count];
    e = LevelInfo();
    e.reveals_count = 1;
    e.reveals_level[0] = c.count + 1;
    e.flags = flags;
    e.gives = gives;
    e.pack_id = c.pack;
    e.pack_index = c.pack_index;
    e.subpack_id = c.subpack;
    e.subpack_index = c.subpack_index;
    e.scr_x = scr_x;
    e.scr_y = scr_y;
    c.pack_index += 1;
    c.subpack_index += 1;
    c.count += 1;
    return &e;
}

void Catalogue_Build() {
    // A second boot in one process re-reads config.txt, whose LEVELS_COUNT must not outlive it.
    if (Catalogue.count > 0) {
        LevelsCount = Catalogue.count;
        return;
    }
    for (int pack = 0; pack < PACKS_COUNT; ++pack) {
        Catalogue_NewPack(pack);
        const Pack_Layout& layout = kPacks[pack];
        int node = 0;
        for (int s = 0; s < 6 && layout.subpacks[s] > 0; ++s) {
            if (s > 0) Catalogue_NewSubpack();
            for (int i = 0; i < layout.subpacks[s]; ++i, ++node) {
                const Point& p = layout.nodes[node];
                Level_Add(p.x, p.y, Flags_Of(Catalogue.count + 1), 0);
            }
        }
    }
    Apply_Routes();
    LevelsCount = Catalogue.count;
}

const LevelInfo* Level_Info(int level) {
    if (level < 1 || level > Catalogue.count) return nullptr;
    return &Catalogue.levels[level - 1];
}

std::string Level_ContentName(int level, const char* stem) {
    const LevelInfo* e = Level_Info(level);
    if (!e || e->pack_id < 0 || e->pack_id >= PACKS_COUNT) return "";
    char number[16];
    std::snprintf(number, sizeof number, "%03d", e->pack_index + 1);
    return std::string(LevelPacksFolder) + PackNames[e->pack_id] + "\\" + stem + number + ".txt";
}
