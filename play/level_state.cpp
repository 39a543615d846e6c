// Level-run globals and their level-start values.
#include "play/level_state.h"

int Lives = 4;
int Relaxed_Mode = 0;
int LevelCrt = 1;
int LevelFirst = 1;
int Score = 0;
int PlayedTime = 0;

int ScoreStartLevel = 0;
int LevelScore = 0;
int HammerScore = 0;
int ScoreChainCnt = 0;
int ScoreComboCnt = 0;
int ChainScore = 0;
int ComboScore = 0;
int LongestChain = 0;
int LongestCombo = 0;
int LongestSet = 0;
int LevelTime = 0;
int LevelCoins = 0;
int GaugeStage = 0;

int PausedBySuspend = 0;
int Winning = 0;
int LoseStage = -1;
float LoseFade = 0;
float LoseTextAlpha = 0;
int WinPoints = 100;
int WinPointsStart = 100;
int Paused = 0;
int FirstFrame = 1;
int Losing = 0;
int RollbackOffer = 1;

int PcModPrecisionCnt = 0;
int PcModReverseCnt = 0;
int PcModPauseCnt = 0;
int PcModScore2xCnt = 0;
int PcModScore3xCnt = 0;
int PcModFireballCnt = 0;
int PcModForced1 = -1;
int PcModForced2 = -1;

int JokerOnPath = 0;
int JokerOnGun = 0;
int ShadowOffsetX = 5;
int ShadowOffsetY = 5;
int BoardId = 0;
int BoardMirror = 0;

int Dev_PathOverlay = 0;
int Dev_ChainOverlay = 0;
int Dev_Stop = 0;

void LevelState_Reset() {
    WinPoints = WinPointsStart = 100;
    Paused = 0;
    FirstFrame = 1;
    Losing = 0;
    RollbackOffer = 1;
    PcModPrecisionCnt = PcModReverseCnt = 0;
    PcModScore2xCnt = PcModScore3xCnt = 0;
    PcModFireballCnt = 0;
    PcModForced1 = PcModForced2 = -1;
    JokerOnPath = JokerOnGun = 0;
    ShadowOffsetX = ShadowOffsetY = 5;
    BoardId = 0;
    BoardMirror = 0;
}
