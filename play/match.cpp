// A new match.
#include "play/match.h"
#include <string>
#include "content/level_catalogue.h"
#include "play/level_state.h"
#include "shell/log.h"
#include "shell/screen.h"

int MatchInProgress = 0;

void Match_Begin(int level) {
    if (level < 1 || (LevelsCount > 0 && level > LevelsCount)) {
        int clamped = level < 1 ? 1 : LevelsCount;
        Log_Line("no level " + std::to_string(level) + ", starting level " + std::to_string(clamped));
        level = clamped;
    }
    Lives = MATCH_START_LIVES;
    Score = 0;
    PlayedTime = 0;
    LevelFirst = LevelCrt = level;
}

void Match_StartAt(int level) {
    Match_Begin(level);
    Screen_Set(1);
}
