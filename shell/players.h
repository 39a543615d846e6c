// The players file config.bin in the save folder: progress of the ten player slots and the
// high-score table, 41 160 bytes in 22 fixed sections of 32-bit little-endian values.
// Memory is the master copy; each change is written through by saving its section.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

constexpr int kPlayerSlots = 10;           // player slots 0..9
constexpr int kPlayerLevels = 200;         // per-level entries per player (level number - 1)
constexpr int kPlayerHints = 21;           // tutorial hint flags per player
constexpr int kPlayersSections = 22;       // sections of config.bin
constexpr size_t kPlayersFileSize = 41160; // bytes of a complete config.bin
constexpr int kCatalogueLevels = 148;      // levels of the catalogue (catalogue index 0..147)

// Level state bits: 1 and 2 together open, 4 completed.
constexpr int32_t kLevelOpen = 3;
constexpr int32_t kLevelDone = 4;

// One high-score entry: the player slot that made it (-1 empty) and the score.
struct HS_Slot {
    int32_t user;
    int32_t score;
};

// Every table of the players file; entry (player p, level index i) is at p * 200 + i, tutorial
// flag h of player p at p * 21 + h.
struct Players_Tables {
    int32_t level_state[kPlayerSlots * kPlayerLevels]; // section 0: bits kLevelOpen | kLevelDone
    int32_t reserved_a[kPlayerSlots * kPlayerLevels];  // section 1: kept, never used
    int32_t reserved_b[kPlayerSlots * kPlayerLevels];  // section 2: kept, never used
    int32_t route_bits[kPlayerSlots * kPlayerLevels];  // section 3: bit k = route k out of the level taken
    int32_t successor[kPlayerSlots * kPlayerLevels];   // section 4: catalogue index chosen next, -1 none
    int32_t hint_flags[kPlayerSlots * kPlayerHints];   // section 5: bits 1 shown, 2 suppressed
    float fx_volume[kPlayerSlots];                     // section 6: 0..1
    float music_volume[kPlayerSlots];                  // section 7: 0..1
    float ambient_volume[kPlayerSlots];                // section 8: 0..1
    int32_t treasure_bits[kPlayerSlots];               // section 9: bit n = treasure n earned
    int32_t last_level[kPlayerSlots];                  // section 10: level index last played
    int32_t hints_off[kPlayerSlots];                   // section 11: 1 = tutorial hints switched off
    HS_Slot high_scores[10];                           // sections 12..21: entry k, best first
};

extern Players_Tables Players; // the master copy
extern int CurrentPlayer;      // player slot 0..9 whose entries are in use

// Reads config.bin section by section (a short file fills what it holds; values that would
// break the game are clamped with a log line). When the file is missing: FirstRun = 1, every
// slot is reset, volumes 0.9 / 0.9 / 1, and the complete file is written.
void Players_Load();
// Writes section 0..21 from memory. The whole file is replaced atomically; it keeps its
// length unless the section lies beyond its end, which extends it. False (logged) on error.
bool Players_SaveSection(int section);
// Fresh progress for slot p: level 0 open, everything else 0, successors -1. Memory only.
void Players_ResetSlot(int p);
// Byte offset and size of a section (0 size for an unknown section).
size_t Players_SectionOffset(int section);
size_t Players_SectionSize(int section);
// Full path of config.bin.
std::string Players_File();
// All tables zero and CurrentPlayer 0 (tests; the start-up values before loading).
void Players_Reset();

// The current player's volumes (0..1), safe for any CurrentPlayer.
float Player_FxVolume();
float Player_MusicVolume();
float Player_AmbientVolume();
