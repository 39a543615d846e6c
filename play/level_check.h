// The level checker: the built-in player plays levels headless over several seeds at a fixed
// frame time without drawing; one table row per level, the win rate of every pack and the
// hardest levels go to standard output, progress to standard error.
#pragma once
#include <cstdint>
#include <vector>

struct App_Options;

constexpr int CHECK_CAP_MS = 8 * 60 * 1000; // level time after which a try counts as lost

// One try of one level.
struct Check_Try {
    int level = 0;
    uint32_t seed = 0;
    int won = 0;       // 1 gauge full and board cleared
    int timed_out = 0; // 1 the try reached the time cap
    int time_ms = 0;   // level time at the win or at the end of the try
    int shots = 0;     // shots fired
    int throws = 0;    // pearls thrown away
    int longest_chain = 0;
    int alarm_pearls = 0; // distinct pearls that went past a track's alarm point
    int mods_fired = 0;   // modifiers set off by matches
    int smashes = 0;      // hammer uses
    int items_shot = 0;   // coins and artefacts collected
};

// Boots the game headless on the checker platform with the log silenced (o's seed, save
// folder and content folder apply); false when it did not start.
bool LevelCheck_Boot(const App_Options& o);
// Plays one try on the booted game: a new match at level, the player seeded from seed, until
// the win sequence starts, the level is lost or cap_ms of level time have passed.
Check_Try LevelCheck_Try(int level, uint32_t seed, int cap_ms);
// The player profile of the following tries (AUTOPLAY_EXPERT or AUTOPLAY_CASUAL).
void LevelCheck_SetProfile(int profile);
// The report of a run: a row per level, the pack win rates and the five hardest levels.
void LevelCheck_Report(const std::vector<Check_Try>& tries, int seeds);
// `--check-levels`: boots the game on the checker platform, plays the levels (all, or the
// one of --level) with o.check_seeds seeds in o.check_jobs processes, prints the report.
// Returns the exit code.
int LevelCheck_Main(const App_Options& o);
