// The high-score table (ten entries, best first, shared by every player slot and kept in the
// players file) and its dialog, which shows a newly entered score pulsing.
#pragma once

constexpr int HS_ENTRIES = 10;
constexpr int HS_FIRST_SECTION = 12; // players-file section of entry 0

void HS_Create(); // start-up, before the players file is read: every entry empty
void HS_Reset();  // every entry empty (user -1, score 0); nothing is written
// Entries read from the players file that can't be real (a score of 0 or less, which no run
// can enter) become empty.
void HS_Normalise();
// The index of the first entry whose score is below score, -1 when none is.
int HS_Rank(int score);
// Moves entries index..8 one place down, stores (user, score) at index and writes all ten
// entries; nothing when index is outside 0..9.
void HS_Insert(int index, int user, int score);
// The game over's entry: inserts score for the current player when it earns a place and
// returns the index, else -1.
int HS_Place(int score);

// Opens the dialog with entry highlight pulsing (-1 none); after_ok 1: "OK" opens the
// try-again box (a game over's view).
void HS_Open(int highlight, int after_ok);
// Opens the dialog again as it was (after the reset-scores box).
void HS_Reopen();
int HS_Highlight();     // the highlighted entry of the dialog
int HS_PulseClock();    // ms the highlighted entry has pulsed
float HS_PulseAlpha();  // alpha of the highlighted row at the pulse clock
void HS_LoadImages();   // the dialog's background
void HS_InstallHooks(); // the menus' and the game over's entries
