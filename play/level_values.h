// Values a level file sets that the gun, the hammer, coins, artefacts and the pearl
// generator read: gun position, artefact positions, the coin and hammer switches and the
// level's colour list. Level_File_Load writes them; LevelValues_Reset gives start values.
#pragma once

constexpr int ART_POS_MAX = 8;      // artefact positions a level may name
constexpr int LEVEL_COLORS_MAX = 6; // colours a level may use

// One place where an artefact may appear; screen units.
struct ArtPos {
    int x = 0, y = 0;
};

extern int GunX; // gun centre; kept from level to level when a file names none
extern int GunY;
extern ArtPos ArtPositions[ART_POS_MAX]; // artefact places, ArtPosCount of them in use
extern int ArtPosCount;
extern int NoCoins;                       // 1: no coins in this level
extern int NoHammer;                      // 1: the hammer is switched off in this level
extern int LevelColors[LEVEL_COLORS_MAX]; // colour numbers 0..5 in file order
extern int LevelColorsCount;              // 0: the file names no colours

// Before any level: gun at the screen centre, no artefacts, coins and hammer on, no colours.
void LevelValues_Reset();
