// The straight-through level choice.
#include "gui/map_standin.h"
#include "content/level_catalogue.h"
#include "play/level_state.h"
#include "play/match.h"
#include "shell/app_state.h"
#include "shell/config.h"
#include "shell/players.h"
#include "shell/screen.h"

namespace {
int g_after_win = 0; // 1: entered from a level just won

void Enter() {
    g_after_win = ScreenState == 1 && Winning == 1;
}

int Next_Level() {
    const LevelInfo* info = Level_Info(LevelCrt);
    return info && info->reveals_count > 0 && info->reveals_level[0] >= 0 ? info->reveals_level[0] + 1
                                                                          : LevelCrt + 1;
}

void Frame() {
    if (!g_after_win) {
        Match_Begin(1);
        Screen_Set(1);
        return;
    }
    int next = Next_Level();
    if (next > LevelsCount) {
        Screen_Set(0);
        return;
    }
    LevelCrt = next;
    Screen_Set(1);
}
} // namespace

void Map_StandIn_Register() {
    Screen_Register(2, {Enter, nullptr, Frame});
}
