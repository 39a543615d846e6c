// Small pieces the recipe files share: degree conversion, white, strip timing and the spread
// of a trail round its point.
#pragma once
#include "engine/gfx.h"
#include "fx/fx_images.h"

namespace fx {
constexpr float kDeg = 3.14159265358979f / 180.0f; // radians per degree
constexpr FX_Rgb kWhite = {255, 255, 255};

// o shows `frames` frames of `period` ms each, from its current frame.
inline void Strip(Gfx_Obj* o, int frames, int period) {
    o->img_count = frames;
    o->anim_period = period;
    o->anim_timer = period;
}

// `share` of half the width of slot's image (0 when it is missing).
inline float Spread(int slot, float share) {
    TImage* img = FX_Image(slot);
    return img ? img->width * 0.5f * share : 0;
}
} // namespace fx
