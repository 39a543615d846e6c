// Score, chain and combo arithmetic, the gauge and extra lives.
#include "play/score.h"
#include <algorithm>
#include "chain/piece.h"
#include "play/ingame_steps.h"
#include "play/level_state.h"
#include "shell/random.h"
#include "shell/texts.h"

namespace {
constexpr int kPopupFont = 6;

void Popup(const std::string& text, const Piece* at, int value) {
    if (!at) return;
    Step_Run(InGame_Steps.fx_text_popup, text, kPopupFont, at->x, at->y, static_cast<float>(Rand(0, 360)),
             value);
}
} // namespace

void Score_Add(int points, int to_gauge) {
    LevelScore = std::max(0, LevelScore + points);
    HammerScore = std::max(0, HammerScore + points);
    if (to_gauge == 1) WinPoints_Sub(points);
    int old_band = Score / EXTRA_LIFE_BAND;
    Score = ScoreStartLevel + LevelScore;
    if (Score / EXTRA_LIFE_BAND > old_band) {
        Lives += 1;
        Step_Run(InGame_Steps.fx_new_life);
    }
}

int Score_Points(int n) {
    if (PcModScore3xCnt > 0) return n * 30;
    if (PcModScore2xCnt > 0) return n * 20;
    return n * 10;
}

void Score_Chain(int n, const Piece* first) {
    int p = Score_Points(n);
    ScoreChainCnt += 1;
    if (ScoreChainCnt >= CHAIN_BONUS_FROM) {
        ChainScore += CHAIN_BONUS;
        LongestChain = std::max(LongestChain, ScoreChainCnt);
        p += CHAIN_BONUS;
        Popup(TxtChain, first, CHAIN_BONUS);
    }
    Score_Add(p, 1);
}

void Score_Combo(int n, const Piece* first) {
    int p = Score_Points(n);
    ScoreComboCnt += 1;
    ComboScore += p * ScoreComboCnt - p;
    Score_Add(p * ScoreComboCnt, 1);
    LongestCombo = std::max(LongestCombo, ScoreComboCnt);
    if (ComboScore > 0) Popup(TxtCombo, first, ComboScore);
}

void Score_ChainReset() {
    ScoreChainCnt = 0;
}

void Score_ComboReset() {
    ScoreComboCnt = 0;
}

void Set_WinPoints(int v) {
    WinPoints = WinPointsStart = v;
}

void WinPoints_Sub(int v) {
    WinPoints = std::max(0, WinPoints - v);
}

void Score_LevelReset() {
    LevelScore = 0;
    ScoreStartLevel = Score;
    ChainScore = ComboScore = 0;
    ScoreChainCnt = ScoreComboCnt = 0;
}
