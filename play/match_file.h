// The saved match of the current player: the match file (84 bytes of counters) and, when the
// match was left inside a level, the level-state file beside it. Both live in the save folder
// as "match_<slot>.mch" / "match_<slot>.lvl" and are replaced atomically; the level state is
// written first, so a match file always has a level state that belongs to it (or, after a
// crash between the two writes, the one kept from the save before).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

constexpr int MATCH_FILE_SIZE = 84;

// The match record, fields in file order (offset 0, 4, ... 80).
struct Match_File {
    int size = MATCH_FILE_SIZE;
    int Lives = 0, Score = 0, LevelFirst = 0, LevelCrt = 0, PlayedTime = 0, Relaxed_Mode = 0;
    int LevelCrt_IsRunning = 0; // 1: the level was left in the middle; the fields below count
    int ScoreStartLevel = 0, HammerScore = 0, PcId = 0;
    int PcModPrecisionCnt = 0, PcModReverseCnt = 0, PcModPauseCnt = 0, PcModFireballCnt = 0;
    int PcModScore2xCnt = 0, PcModScore3xCnt = 0;
    int ScoreChainCnt = 0, ScoreComboCnt = 0, WinPoints = 0, WinPointsStart = 0;
};

// Files of player slot n in the save folder.
std::string Match_FileName(int slot);
std::string LevelData_FileName(int slot);

void Match_Encode(const Match_File& m, uint8_t out[MATCH_FILE_SIZE]);
// Decodes a match file image: the stored size (first integer) says how many bytes belong to
// the record (a smaller one leaves the rest 0, a bigger one is cut to 84, each logged) and the
// record is read from the bytes there are. False when the image is too short to hold a size.
bool Match_Decode(const uint8_t* data, size_t size, Match_File& out);
// Checks the values against the game's limits: impossible levels or lives make it false
// (logged); counters out of range are clamped with a log line.
bool Match_Validate(Match_File& m);
// The record Match_Save writes for the running game.
Match_File Match_FromGame(int level, int running);

int Match_Exists();        // 1 when the current player's match file can be opened for reading and writing
void Match_Delete();       // both files of the current player
void Match_New(int level); // a fresh match at level: 4 lives, no score, saved files deleted
// Writes the match file with LevelCrt = level; running 1 writes the level state first.
// False (logged) when a file could not be written.
bool Match_Save(int level, int running);
// Resumes the saved match: counters, the level (in-game screen), and for a running level its
// saved state. A missing or damaged match file is logged, kept aside as ".bad", and false is
// returned with nothing changed; a level state that can't be used leaves the level at its start.
bool Match_Load();
// The match as the in-game menu's "main menu" leaves it, when a level is being played; used
// when the program ends in the middle of a level.
void Match_SaveOnQuit();
// Fills the menus' and the level run's entries for saved matches.
void MatchFiles_InstallHooks();
