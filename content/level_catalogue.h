// The fixed catalogue of the game's levels: pack and sub-pack of each level, its node on the
// level-choose map, the levels completing it reveals (crossroads branch into other packs),
// where a finished pack returns to, and which levels award a treasure. Built in code once.
#pragma once
#include <string>

constexpr int LEVELS_SLOTS = 2000; // catalogue capacity
constexpr int PACKS_COUNT = 5;     // Neutral, Water, Ice, Fire, Precious
constexpr int LEVEL_REVEALS_MAX = 4;

// Node kind bits of LevelInfo.flags.
constexpr int LEVEL_FLAG_SUBPACK = 0x01;     // first level of a sub-pack
constexpr int LEVEL_FLAG_CROSSROAD = 0x08;   // the route may branch here
constexpr int LEVEL_FLAG_PACK_END = 0x10;    // last level of a pack; returns to branch_level
constexpr int LEVEL_FLAG_FINAL = 0x20;       // the final level of the route
constexpr int LEVEL_FLAG_CITY_AFTER = 0x40;  // the pack's city is shown after this level
constexpr int LEVEL_FLAG_CITY_BEFORE = 0x80; // the pack's city is shown before this level
constexpr int LEVEL_GIVES_TREASURE = 2;      // LevelInfo.gives: completing it awards `goodie`

// One level of the catalogue. Indices are 0-based catalogue indices (level number - 1).
struct LevelInfo {
    int reveals_level[LEVEL_REVEALS_MAX] = {
        -1, -1, -1, -1};      // levels revealed on completion; [0] the next in order; unused slots -1
    int reveals_count = 0;    // entries of reveals_level in use: 0, 1 or 3
    int flags = 0;            // LEVEL_FLAG_* bits
    int gives = 0;            // LEVEL_GIVES_TREASURE or 0
    int goodie = 0;           // treasure index awarded
    int pack_id = 0;          // 0 Neutral, 1 Water, 2 Ice, 3 Fire, 4 Precious
    int pack_index = 0;       // position in the pack from 0; files are numbered pack_index + 1
    int subpack_id = 0;       // sub-pack inside the pack, from 0
    int subpack_index = 0;    // position in the sub-pack, from 0
    int branch_level = 0;     // pack end: the crossroad the route returns to
    int scr_x = 0, scr_y = 0; // node position on the 800 x 600 map
};

// The catalogue and its running counters while it is built.
struct Level_Catalogue {
    LevelInfo levels[LEVELS_SLOTS];
    int count = 0; // filled entries
    int pack = 0;  // running counters of Level_Add
    int pack_index = 0;
    int subpack = 0;
    int subpack_index = 0;
};
extern Level_Catalogue Catalogue;

// Number of levels the game knows: the catalogue's count once it is built.
extern int LevelsCount;
// Folder names of the packs, in pack_id order.
extern const char* const PackNames[PACKS_COUNT];
// Base folder of level content below the resource prefix.
extern const char* const LevelPacksFolder;

// Fills the catalogue once; nothing when it is already built.
void Catalogue_Build();
// Empties the catalogue (tests).
void Catalogue_Reset();
// Starts a new pack / a new sub-pack for the following Level_Add calls.
void Catalogue_NewPack(int pack_id);
void Catalogue_NewSubpack();
// Fills the next entry from the running counters; null when the catalogue is full.
LevelInfo* Level_Add(int scr_x, int scr_y, int flags, int gives);
// Entry of level number n (1-based); null outside the catalogue.
const LevelInfo* Level_Info(int level);
// Content name of a level's file: LevelPacksFolder + pack + "\" + stem + NNN + ".txt", with
// stem "level_" or "path_"; "" outside the catalogue.
std::string Level_ContentName(int level, const char* stem);
