// Matching: the set of touching pearls of one colour collected around a pearl (jokers are
// wild), its removal with staggered explosions and scoring, and the match check where two
// parts of a chain join. The set is reused by every check and valid until the next one.
#pragma once

struct Piece;

constexpr int MATCH_SET_MAX = 1024;     // pearls a set can hold
constexpr int MATCH_EXPLODE_STEP = 230; // ms between the explosions of a set's pearls

struct Match_State {
    Piece* set[MATCH_SET_MAX] = {}; // in collection order: the start pearl, ahead, then behind
    int count = 0;                  // pearls in the set
    int color = 0;                  // colour being matched during the collection
    int min_size = 3;               // a set of at least this many is removed
    bool removing = false;          // true while Remove_Matched walks the set
};
extern Match_State Match;

extern int FlameOrbActive; // 1 while a flame orb is under way; a removed set clears it

// Start-up: the minimum set size (3).
void Match_Init();
// Collects the set around pc; when it holds at least three pearls, removes it with
// Remove_Matched(flags) if remove_now is 1, and returns 1. Otherwise 0.
int Check_Match(Piece* pc, int remove_now, int flags);
// Removes the current set: sound, modifier actions, explosions 230 ms apart; flags bit 0
// scores it as a chain step (a shot), bit 1 as a combo step (a join).
void Remove_Matched(int flags);
// Match check where two segments joined at pc: removes the set when it reaches across the
// join (holds pc's neighbour behind) and returns 1, so the segments are counted again.
int Match_Join_Check(Piece* pc);
// Runs the removal action of pc's modifier (matched 1 by a match, 0 otherwise) and takes
// the emblem off the pearl; nothing without a modifier.
void Match_Modifier_Removed(Piece* pc, int matched);
