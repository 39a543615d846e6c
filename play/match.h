// The match: the run of levels one player plays with one score and one set of lives. A new
// match begins at a chosen level with 4 lives and no score.
#pragma once

constexpr int MATCH_START_LIVES = 4;

extern int MatchInProgress; // 1 once a level of the match was completed (read by the menus)

// New match values at level (clamped into the catalogue with a log line): Lives 4, Score 0,
// PlayedTime 0, LevelFirst = LevelCrt = level. Relaxed_Mode is left as chosen.
void Match_Begin(int level);
// Match_Begin, then the in-game screen (which starts the level).
void Match_StartAt(int level);
