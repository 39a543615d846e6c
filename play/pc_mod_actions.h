// What each modifier kind does when its pearl is removed: the ten removal actions of the kind
// table, their timers, sounds, pop-up names and effect calls, and the level-start reset of
// the kinds. The actions take the emblem off first; a pearl destroyed without a match (flag 0)
// fires nothing, except that a chain still breaks and an area bomb still flares.
#pragma once

constexpr int PCMOD_PRECISION_MS = 20000; // precision beam and double shot speed
constexpr int PCMOD_REVERSE_MS = 2500;    // roll-back
constexpr int PCMOD_FREEZE_MS = 5000;     // freeze
constexpr int PCMOD_SCORE2X_MS = 15000;   // double score
constexpr int PCMOD_SCORE3X_MS = 10000;   // triple score
constexpr int BOMB_RADIUS = 84;           // area bomb reach, screen units
constexpr int STARDUST_COLLECT_MAX = 256; // pearls the random detonation picks from

// Counts of one level attempt that the level checker reports.
struct PowerUp_Stats {
    int mods_fired = 0; // modifier actions fired by a match
    int smashes = 0;    // hammer uses
    int items_shot = 0; // coins and artefacts collected
};
extern PowerUp_Stats PowerUps_Stats;

// Start-up: the removal action of every kind; the roll-back queue empty.
void PcMod_InitTypes();
// Level start: queue emptied, every chance 0, precision, roll-back, flame orb, fireball and
// score timers 0 (the freeze timer is left alone), the checker's counts 0.
void PcMod_Reset();
