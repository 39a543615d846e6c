// Effect and weather images and the tint tables.
#include "fx/fx_images.h"
#include <string>
#include "engine/gfx.h"
#include "shell/log.h"
#include "shell/resource.h"

namespace {
struct FX_Image_Def {
    const char* file; // below ".\images\FX\"
    int w, h, frames; // a strip's cell size and count; frames 1 is a single image
    bool mid_handle;
};

const FX_Image_Def kImages[FXI_COUNT] = {
    {"explosion_grey.png", 80, 80, 13, true},
    {"grey_halo1.png", 0, 0, 1, true},
    {"grey_halo3.png", 0, 0, 1, true},
    {"fragment2.png", 32, 24, 32, true},
    {"spark4.png", 0, 0, 1, true},
    {"spark8.png", 8, 8, 32, true},
    {"spark3.png", 0, 0, 1, true},
    {"spark_mm.png", 0, 0, 1, true},
    {"alarm_spark.png", 0, 0, 1, true},
    {"fireball_spark.png", 0, 0, 1, true},
    {"chain_part0.png", 64, 64, 16, true},
    {"chain_part1.png", 64, 64, 16, true},
    {"chain_part2.png", 64, 64, 16, true},
    {"chain_part3.png", 64, 64, 16, true},
    {"chain_part4.png", 64, 64, 16, true},
    {"rev_clear_sparks.png", 70, 70, 3, true},
    {"FX_Hammer_start1.png", 0, 0, 1, true},
    {"FX_Hammer_start2.png", 0, 0, 1, true},
    {"FX_Pause.png", 0, 0, 1, true},
    {"Hammer_Smash1.png", 128, 128, 20, true},
    {"circle_wave.png", 64, 64, 32, true},
    {"FX_Random_Bomb.png", 80, 51, 20, true},
    {"small_fire_part.png", 0, 0, 1, true},
    {"Snow_Flake1.png", 0, 0, 1, false},
    {"Snow_Flake2.png", 0, 0, 1, false},
    {"Snow_Flake3.png", 0, 0, 1, false},
    {"FX_Rain1.png", 0, 0, 1, false},
    {"FX_FOG.png", 0, 0, 1, true},
    {"FX_Fire_FOG.png", 0, 0, 1, true},
    {"FX_Dark_Spark.png", 0, 0, 1, true},
    {"FX_Spark_Fire.png", 0, 0, 1, true},
    {"newlife_sparks.png", 24, 24, 2, true},
    {"newlife_heart.png", 0, 0, 1, true},
    {"win_pc_spark.png", 0, 0, 1, true},
    {"dark_part.png", 0, 0, 1, true},
    {"dark_parts.png", 36, 36, 3, true},
};

struct FX_Images_State {
    TImage* img[FXI_COUNT] = {};
    bool loaded = false;
    bool missing_logged[FXI_COUNT] = {};
};
FX_Images_State g_img;

const FX_Rgb kDark[] = {{0, 60, 200},  {0, 200, 0},  {200, 20, 180},
                        {200, 140, 0}, {200, 0, 10}, {240, 255, 0}};
const FX_Rgb kLight[] = {{100, 160, 255}, {100, 255, 100}, {255, 120, 220},
                         {255, 180, 80},  {255, 130, 110}, {255, 255, 100}};
const FX_Rgb kPusherDark = {150, 80, 0}, kPusherLight = {200, 180, 90};

TImage* Load(const FX_Image_Def& d) {
    std::string path = Asset_Path(std::string(".\\images\\FX\\") + d.file);
    TImage* img = d.frames > 1 ? Gfx_LoadAnimImage(path, d.w, d.h, 0, d.frames) : Gfx_LoadImage(path);
    if (img && d.mid_handle) Gfx_MidHandle(img);
    return img;
}

FX_Rgb Tint(const FX_Rgb* table, FX_Rgb pusher, int color, FX_Rgb keep) {
    if (color >= 0 && color <= 5) return table[color];
    return color == 16 ? pusher : keep;
}
} // namespace

TImage* FX_Image(int slot) {
    return slot >= 0 && slot < FXI_COUNT ? g_img.img[slot] : nullptr;
}

void FX_LoadImages() {
    if (g_img.loaded) return;
    for (int i = 0; i < FXI_COUNT; ++i)
        g_img.img[i] = Load(kImages[i]);
    g_img.loaded = true;
}

bool FX_SetImage(Gfx_Obj* o, int slot) {
    TImage* img = FX_Image(slot);
    o->image = img;
    o->img_slot = img ? slot : -1;
    if (img) return true;
    if (slot >= 0 && slot < FXI_COUNT && !g_img.missing_logged[slot]) {
        g_img.missing_logged[slot] = true;
        Log_Line(std::string("effect image missing: ") + kImages[slot].file);
    }
    return false;
}

int FX_ImageFrames(int slot) {
    TImage* img = FX_Image(slot);
    return img ? static_cast<int>(img->frames.size()) : 0;
}

FX_Rgb FX_DarkTint(int color, FX_Rgb keep) {
    return Tint(kDark, kPusherDark, color, keep);
}

FX_Rgb FX_LightTint(int color, FX_Rgb keep) {
    return Tint(kLight, kPusherLight, color, keep);
}

void FX_SetColor(Gfx_Obj* o, FX_Rgb c) {
    o->Red = c.r;
    o->Green = c.g;
    o->Blue = c.b;
}
