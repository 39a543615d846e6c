// Shared set-up for the gun, shot, match and hole tests: the chain state with the shooting
// hooks installed, captured log lines and effect calls, pearl rows on a straight track, and
// one update in the order of the in-game frame.
#pragma once
#include <string>
#include <vector>
#include "chain/alarm.h"
#include "gui/modal.h"
#include "chain/hole.h"
#include "chain/match.h"
#include "chain/shot.h"
#include "play/fx_calls.h"
#include "play/gun.h"
#include "play/level_values.h"
#include "play/pointer.h"
#include "tests/chain_test_support.h"

struct Halo_Call {
    float x;
    int delay;
};

struct Shooting_Capture {
    std::vector<std::string> log;
    std::vector<Halo_Call> halos;
    int lost = 0; // Level_Lose calls
};
inline Shooting_Capture g_shoot;

inline int Log_Count(const std::string& line) {
    int n = 0;
    for (const std::string& l : g_shoot.log)
        n += l == line;
    return n;
}

// Clean chain with the shooting hooks; alarm off unless a test installs it; no pointer input.
inline void Shooting_Test_Reset(float frame_ms = 16) {
    Chain_Test_Reset(frame_ms);
    Chain_Shooting_InstallHooks();
    Chain_Hooks.Alarm_Update = nullptr;
    Alarm_Hooks_Reset();
    Chain_Hooks.Level_Lose = [] { ++g_shoot.lost; };
    Shot_Hooks = Shot_Hooks_Table{};
    FX_Calls_Reset();
    FX_Calls.pearl_halo = [](float x, float, int, int delay) { g_shoot.halos.push_back({x, delay}); };
    g_shoot = Shooting_Capture{};
    Log_SetHook([](const std::string& line) { g_shoot.log.push_back(line); });
    Gun = Gun_State{};
    Pointer_StateReset();
    GunX = 400;
    GunY = 500;
    Lives = 3;
    Relaxed_Mode = 0;
    Score = ScoreStartLevel = LevelScore = HammerScore = 0;
    ScoreChainCnt = ScoreComboCnt = ChainScore = ComboScore = LongestSet = 0;
    Colors_Clear();
    Color_Add(PC_RED, 100);
    Color_Add(PC_BLUE, 100);
}

// A straight generator-free track along y = 300 from x = 0 to x = len.
inline Path* Shooting_Track(int len = 800, int spd = 0) {
    if (Parse_Text(Straight_Track(len, spd)) != 1) return nullptr;
    Path* path = &Paths.pool[Paths.count - 1];
    path->states |= PATH_STATE_GEN_DONE;
    return path;
}

// Touching pearls of the given colours on track 0, the first at arc length front, each next
// one contact distance further back; segments counted.
inline std::vector<Piece*> Row(const std::vector<int>& colors, double front) {
    std::vector<Piece*> out;
    for (size_t i = 0; i < colors.size(); ++i)
        out.push_back(Add_Pearl(colors[i], front - 28.0 * static_cast<double>(i)));
    Paths.pool[0].Compute_Segments();
    return out;
}

// One update of the in-game frame's chain, shot and (with_gun) gun steps.
inline void Shooting_Frame(bool with_gun = true) {
    Pieces_Pre_Frame();
    Paths_Compute_Segments();
    Paths_Move();
    Shots_Update();
    if (with_gun) Gun_Update();
    Pushers_Update();
}

// A shot of colour c flying from (x, y) along heading degrees.
inline Piece* Shot_At(int c, float x, float y, float heading) {
    Piece* shot = Piece::Create(c, static_cast<int>(x), static_cast<int>(y), 2, 1);
    shot->angle = heading;
    return shot;
}

inline bool On_Track(const Piece* pc) {
    return pc->alive && pc->listed && pc->move_state == 0;
}
