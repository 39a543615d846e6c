// The level file reader: KEY=value lines and bare flag words that set the board, mirroring,
// gun position, win goal, modifier and joker chances, artefact places, coin and hammer
// switches and the colours of a level. Keys are found by plain substring search.
#pragma once
#include <cstddef>
#include <string>
#include "chain/pc_mod.h"
#include "play/level_values.h"

// Everything one level file sets. Level_File_Parse starts from the values it is given, so
// keys whose absence keeps an earlier value (gun position, shadow offset) keep it.
struct LevelFile_Data {
    int board = 0;                     // BOARD=
    int mirror = 0;                    // 2 MIRRORED_X, 1 MIRRORED_Y
    int gun_x = 400, gun_y = 300;      // GUN_POS=, screen units
    int win_points = 0;                // WIN_POINTS=: gauge size
    int shadow_x = 5, shadow_y = 5;    // SHADOW_OFFSET=
    int mod_percent[PCMOD_KINDS] = {}; // per-mille chance of each modifier kind
    int joker_on_path = 0;             // JOKER_ON_PATH=, percent
    int joker_on_gun = 0;              // JOKER_ON_GUN=, percent
    ArtPos art[ART_POS_MAX];           // ARTEFACT_POS0= ..., on-screen places only
    int art_count = 0;
    int no_coins = 0;                  // NO_COINS flag
    int no_hammer = 0;                 // NO_HAMMER flag
    int colors[LEVEL_COLORS_MAX] = {}; // COLORS= list, values 0..5
    int colors_count = 0;
};

// Lookups over one level text. The text ends at its first NUL byte, as a C string would.
struct Level_Reader {
    const char* text = nullptr;
    size_t size = 0;
    std::string name;      // file name for log lines
    int key_not_found = 0; // set by the last Find call when its key was absent

    Level_Reader(const char* bytes, size_t n, std::string file_name);
    // Value after key (which includes its "=") up to the line end; 0 and key_not_found when absent.
    int Level_Find_Int(const char* key);
    // "a,b" after key on its line; outputs unchanged and key_not_found when absent or without a comma.
    void Level_Find_Pair(const char* key, int& a, int& b);
    // Reads the field from pos to the next CR, LF, "," or end; returns the position after its
    // terminator. An empty field leaves value unchanged, goes to the log and returns pos + 1.
    size_t Level_Parse_Int_At(size_t pos, int& value);
    // Offset of the first occurrence of key, std::string_view::npos when absent.
    size_t Level_Find(const char* key) const;
    // 1 when word occurs anywhere in the text.
    int Level_Has_Word(const char* word) const;
    // The character at pos, NUL past the end.
    char At(size_t pos) const { return pos < size ? text[pos] : '\0'; }
};

// Reads every key of the text into io, in the order the level start needs them; values out
// of range are clamped or dropped with a log line naming the file.
void Level_File_Parse(const char* text, size_t size, const std::string& name, LevelFile_Data& io);
// Start values for a parse: the current gun position and shadow offset, everything else empty.
LevelFile_Data LevelFile_FromGlobals();
// Writes the data into the level globals and the modifier table.
void Level_File_Apply(const LevelFile_Data& data);
// Reads the level file of level number n (1-based) from the content and applies it. When the
// file cannot be opened, logs the name and its embedded length, changes nothing, returns false.
bool Level_File_Load(int level);
// The text of the level file read last ("" before the first).
const std::string& Level_File_Text();
