// The settings text file config.txt in the save folder: KEY=value lines ending in "\r\n".
// Read once at start-up; each setting is written through the moment it changes, by
// replacing its value in the file (a key that is not in the file is never added).
#pragma once
#include <string>

constexpr int kConfigPlayers = 10; // player slots named "PLAYER0" .. "PLAYER9"
constexpr int kConfigNameMax = 64; // longest player name kept from the file, in bytes

extern std::string PlayerNames[kConfigPlayers]; // slot names ("Anonymous" when missing)
extern int LevelsCount;  // levels of the game (defined with the level catalogue, which replaces this value)
extern int PlayersCount; // "PLAYERS_COUNT", read and unused
extern int SlowPc;       // "SLOW_PC", read and unused
extern float BgLight;    // "BG_LIGHT", read and unused

// The text written when config.txt does not exist (the last line has no line break).
const std::string& Config_DefaultText();
// Full path of config.txt.
std::string Config_File();
// Value of key in text: what follows the first line-start "key=" up to the next "\r";
// "" when the key is missing or no "\r" follows.
std::string Config_GetValue(const std::string& text, const std::string& key);
// Integer of a value: leading blanks, optional sign, then decimal digits, or "%" and binary
// or "$" and hexadecimal digits, up to the first other character. 0 without digits;
// clamped to the int range.
int Config_Int(const std::string& value);
// Real of a value written as a decimal number (optional sign, digits, point, exponent);
// 0 without digits. Never NaN or infinite.
float Config_Real(const std::string& value);
// A volume as the file stores it: nine significant digits, trailing zeros kept ("%#.9g").
std::string Config_FormatVolume(float volume);
// Reads config.txt (writing the default text first when it is missing) into the player
// names, CurrentPlayer, the current player's volumes, WindowedMode and LevelsCount.
void Config_Load();
// Replaces the value of the first line with key in config.txt and rewrites the file
// atomically. Does nothing when the key is not in the file. Line breaks in value become
// spaces (they would break the file apart).
void Config_SetValue(const std::string& key, const std::string& value);
// Back to the start values (tests).
void Config_Reset();
