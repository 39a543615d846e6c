// Gun images and the two draw steps: base and barrel under the pearls, barrel top and the
// aim pointer over them, all shaken by the recoil.
#include <cmath>
#include <string>
#include "chain/piece.h"
#include "engine/gfx.h"
#include "play/gun.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "shell/app_state.h"
#include "shell/resource.h"

namespace {
constexpr double DEG = M_PI / 180.0;
constexpr int GUN_CELL = 157; // frame size of the barrel strips
const char* const kGunDir = ".\\Images\\Gun\\";
const char* const kPrecisionGlow = "./images/pieces/mods/mod_precision_circle.png";

struct Gun_Images {
    TImage *base = nullptr, *under = nullptr, *barrel = nullptr, *top = nullptr, *top_anim = nullptr;
    TImage* pointer[6] = {};
    TImage *pointer_joker = nullptr, *pointer_fireball = nullptr, *glow = nullptr;
} g_img;

TImage* Load(const std::string& name, int frames = 0) {
    TImage* img = frames ? Gfx_LoadAnimImage(Asset_Path(name), GUN_CELL, GUN_CELL, 0, frames)
                         : Gfx_LoadImage(Asset_Path(name));
    if (img) Gfx_MidHandle(img);
    return img;
}

void Recoil_Offset(float& ox, float& oy) {
    ox = oy = 0;
    if (Gun.RecoilAmp <= 0) return;
    double shake = Gun.RecoilAmp * std::sin(Gun.RecoilPhase * DEG);
    ox = static_cast<float>(-shake * std::cos(Gun.angle * DEG));
    oy = static_cast<float>(-shake * std::sin(Gun.angle * DEG));
}

TImage* Pointer_For(int color) {
    if (color >= 0 && color <= 5) return g_img.pointer[color];
    if (color == PC_JOKER) return g_img.pointer_joker;
    if (color == PC_FIREBALL) return g_img.pointer_fireball;
    return g_img.pointer[5];
}

void Draw(TImage* img, float x, float y, int frame = 0) {
    if (img) Gfx_DrawImage(img, x, y, frame);
}
} // namespace

void Gun_LoadImages() {
    std::string dir = kGunDir;
    g_img.base = Load(dir + "00.png");
    g_img.under = Load(dir + "01.png", GUN_FRAMES);
    g_img.barrel = Load(dir + "02.png");
    g_img.top = Load(dir + "10.png");
    g_img.top_anim = Load(dir + "11.png", GUN_FRAMES);
    for (int c = 0; c < 6; ++c)
        g_img.pointer[c] = Load(dir + "pointer_0" + std::to_string(c) + ".png");
    g_img.pointer_joker = Load(dir + "pointer_joker.png");
    g_img.pointer_fireball = Load(dir + "pointer_fireball.png");
    g_img.glow = Load(kPrecisionGlow);
    GunX = ScreenCenterX;
    GunY = ScreenCenterY;
}

void Gun_DrawBase() {
    float ox, oy;
    Recoil_Offset(ox, oy);
    float gx = static_cast<float>(GunX), gy = static_cast<float>(GunY);
    Gfx_SetBlend(BLEND_MASK);
    Draw(g_img.base, gx, gy);
    if (PcModPrecisionCnt > 0) {
        Gfx_SetBlend(BLEND_LIGHT);
        Draw(g_img.glow, gx + ox, gy + oy);
    }
    Gfx_SetRotation(Gun.angle - 90);
    Gfx_SetBlend(BLEND_ALPHA);
    Draw(g_img.under, gx + ox, gy + oy, static_cast<int>(Gun.GunFrame));
    Gfx_SetBlend(BLEND_MASK);
    Draw(g_img.barrel, gx + ox, gy + oy);
    Gfx_SetRotation(0);
}

void Gun_DrawTop() {
    float ox, oy;
    Recoil_Offset(ox, oy);
    float gx = static_cast<float>(GunX), gy = static_cast<float>(GunY);
    Gfx_SetRotation(Gun.angle - 90);
    Gfx_SetBlend(BLEND_ALPHA);
    Draw(g_img.top, gx, gy);
    Draw(g_img.top_anim, gx + ox, gy + oy, static_cast<int>(Gun.GunFrame));
    Gfx_SetRotation(0);
    if (Gun.AimHit != 1 || !Gun.GunPc || Gun.AimPointerOff != 0) return;
    Gfx_SetRotation(Gun.angle);
    Draw(Pointer_For(Gun.GunPc->color), static_cast<float>(Gun.AimEndX), static_cast<float>(Gun.AimEndY));
    Gfx_SetRotation(0);
}
