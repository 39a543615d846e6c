// The effect and weather images, loaded once at start-up from ".\images\FX\", and the two
// tint tables by pearl colour. A missing image stays null: recipes that need it make nothing
// and say so once in the log.
#pragma once
#include "fx/gfx_obj.h"

enum FX_Image_Slot {
    FXI_EXPLOSION_GREY,
    FXI_GREY_HALO1,
    FXI_GREY_HALO3,
    FXI_FRAGMENT2,
    FXI_SPARK4,
    FXI_SPARK8,
    FXI_SPARK3,
    FXI_SPARK_MM,
    FXI_ALARM_SPARK,
    FXI_FIREBALL_SPARK,
    FXI_CHAIN_PART0, // .. FXI_CHAIN_PART0 + 4
    FXI_REV_CLEAR_SPARKS = FXI_CHAIN_PART0 + 5,
    FXI_HAMMER_START1,
    FXI_HAMMER_START2,
    FXI_PAUSE,
    FXI_HAMMER_SMASH1,
    FXI_CIRCLE_WAVE,
    FXI_RANDOM_BOMB,
    FXI_SMALL_FIRE_PART,
    FXI_SNOW_FLAKE1, // .. FXI_SNOW_FLAKE1 + 2
    FXI_RAIN1 = FXI_SNOW_FLAKE1 + 3,
    FXI_FOG,
    FXI_FIRE_FOG,
    FXI_DARK_SPARK,
    FXI_SPARK_FIRE,
    FXI_NEWLIFE_SPARKS,
    FXI_NEWLIFE_HEART,
    FXI_WIN_PC_SPARK,
    FXI_DARK_PART,
    FXI_DARK_PARTS,
    FXI_COUNT
};

// The image of a slot (null when missing or not loaded).
TImage* FX_Image(int slot);
// Loads every slot once (later calls keep the loaded images). Effect images get their handle
// in the centre; of the weather images the snow flakes and the rain drop keep the top left.
void FX_LoadImages();
// Puts image `slot` on o (null image when missing); false, with one log line per slot, when
// the image is missing.
bool FX_SetImage(Gfx_Obj* o, int slot);
// Frames of a slot's image (0 when missing).
int FX_ImageFrames(int slot);

struct FX_Rgb {
    int r, g, b;
};
// Tints by pearl colour; a colour without an entry returns `keep`.
FX_Rgb FX_DarkTint(int color, FX_Rgb keep);
FX_Rgb FX_LightTint(int color, FX_Rgb keep);
// Sets o's colour from a tint.
void FX_SetColor(Gfx_Obj* o, FX_Rgb c);
