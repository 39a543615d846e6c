// Level-run globals shared by the chain simulation and the level play: the match values,
// score counters, win gauge, lives, win and lose sequence state, modifier timers, run switches
// and the level-file settings the chain reads. Times are milliseconds unless said otherwise.
#pragma once

extern int Lives;        // lives left in the match
extern int Relaxed_Mode; // 1 = relaxed play (no losing)
extern int LevelCrt;     // current level number, 1-based catalogue index
extern int LevelFirst;   // level at which the current match began
extern int Score;        // match score; ScoreStartLevel + LevelScore after every change
extern int PlayedTime;   // play time of the whole match, ms

extern int ScoreStartLevel; // Score when the level (re)started
extern int LevelScore;      // points of this attempt of the level, never below 0
extern int HammerScore;     // points counting towards the hammer, never below 0
extern int ScoreChainCnt;   // chain steps since the last shot that made no match
extern int ScoreComboCnt;   // combo steps since the last shot that made no match
extern int ChainScore;      // chain bonus points of this level
extern int ComboScore;      // combo bonus points of this level
extern int LongestChain;    // longest chain of this level
extern int LongestCombo;    // highest combo of this level
extern int LongestSet;      // largest set removed at once in this level
extern int LevelTime;       // time spent in this level, ms
extern int LevelCoins;      // coins shown on the level-complete dialog
extern int GaugeStage;      // 0..3: gauge thresholds already celebrated

extern int PausedBySuspend; // 1 = Paused was set because the application lost the focus
extern int Winning;         // 1 while the win sequence runs
extern int LoseStage;       // lose-sequence stage 0..4, -1 idle
extern float LoseFade;      // alpha of the black veil of the lose sequence, 0..0.4
extern float LoseTextAlpha; // alpha of the lives-left text, 0..1

extern int WinPoints;      // gauge points still missing; no new wave starts once <= 0
extern int WinPointsStart; // gauge size
extern int Paused;         // 1 = simulation frozen (a dialog is up)
extern int FirstFrame;     // 1 until the first in-game frame has run (set by the level start)
extern int Losing;         // 1 while the lose sequence runs
extern int RollbackOffer;  // 1 = the roll-back offer may still be shown

extern int PcModPrecisionCnt; // ms left of the precision effect
extern int PcModReverseCnt;   // ms left of the roll-back; no generation while > 0
extern int PcModPauseCnt;     // ms left of the freeze; -1 frozen without end
extern int PcModScore2xCnt;   // ms left of double score
extern int PcModScore3xCnt;   // ms left of triple score
extern int PcModFireballCnt;  // fireballs waiting in the gun
extern int PcModForced1;      // modifier kind the tutorial forces on the first wave, -1 none
extern int PcModForced2;      // second forced kind, -1 none

extern int JokerOnPath;   // JOKER_ON_PATH=: a generated pearl is a joker when Rand(1,100) < it
extern int JokerOnGun;    // JOKER_ON_GUN=: same for the gun's pearls
extern int ShadowOffsetX; // SHADOW_OFFSET= copied into every pearl (not drawn)
extern int ShadowOffsetY;
extern int BoardId;     // BOARD= of the level file
extern int BoardMirror; // mirror bits: 2 = MIRRORED_X, 1 = MIRRORED_Y

extern int Dev_PathOverlay;  // developer switch: draw track points and curves
extern int Dev_ChainOverlay; // developer switch: draw the chain links of every track
extern int Dev_Stop;         // developer switch: pearls neither fly nor move along tracks

constexpr int MIRROR_X = 2; // BoardMirror bit for MIRRORED_X
constexpr int MIRROR_Y = 1; // BoardMirror bit for MIRRORED_Y

// Values a level start sets before the level file is read (the freeze timer and the
// match-level values Lives and Relaxed_Mode are left alone).
void LevelState_Reset();
