// Level-file values and their start values.
#include "play/level_values.h"
#include "shell/app_state.h"

int GunX = ScreenCenterX;
int GunY = ScreenCenterY;
ArtPos ArtPositions[ART_POS_MAX];
int ArtPosCount = 0;
int NoCoins = 0;
int NoHammer = 0;
int LevelColors[LEVEL_COLORS_MAX] = {};
int LevelColorsCount = 0;

void LevelValues_Reset() {
    GunX = ScreenCenterX;
    GunY = ScreenCenterY;
    for (ArtPos& p : ArtPositions)
        p = ArtPos();
    ArtPosCount = 0;
    NoCoins = NoHammer = 0;
    for (int& c : LevelColors)
        c = 0;
    LevelColorsCount = 0;
}
