// One level from its start to its completion: the level start in its fixed order (resets,
// level file, board picture, tracks, music, progress), the board background, and recording
// a completed level in the player's progress.
#pragma once
#include <string>

struct TImage;

constexpr int MUSIC_SLOT_LAST_PACK = 4; // pack whose levels play music track 0
constexpr int DEFAULT_WIN_POINTS = 100; // gauge size before the level file sets its own

// (Re)starts level LevelCrt. Screen state 1 enters through it; retries and lost lives call it.
void Level_Start();
// Leaving screen state 1: nothing to do.
void Level_Leave();
// Level won and acknowledged: progress stored, then the level-choose screen (or the main
// menu after the last level).
void Level_MarkComplete();
// Content name of the board picture of BoardId in pack pack_id.
std::string Board_ImageName(int pack_id, int board_id);
// Loads the board picture of the current level, flipped by the mirror bits.
void Board_Load();
// Draws the board picture opaque at (0, 0).
void Board_Draw();
// The loaded board picture (null when it failed).
TImage* Board_Image();
// Frees the board picture (tests, shutdown).
void Board_Free();
