// Module state of the drawing service shared by its files: the drawing state, the screen's
// pacing and the helpers that turn the state into vertices for the renderer.
#pragma once
#include "engine/frame_limiter.h"
#include "engine/gfx.h"

struct Gfx_Module {
    int r = 255, g = 255, b = 255; // tint colour
    float alpha = 1;
    int blend = BLEND_SOLID;
    float rotation = 0, rot_cos = 1, rot_sin = 0; // degrees, and its cosine and sine
    float scale_x = 1, scale_y = 1;
    float line_width = 1;
    int vp_x = 0, vp_y = 0, vp_w = 800, vp_h = 600;
    TImageFont* font = nullptr; // null: the built-in default font
    uint32_t tint = 0xFFFFFFFF; // colour and alpha packed as a vertex ARGB

    bool screen_open = false;
    bool in_frame = false; // Begin_Frame was called for the frame being drawn
    bool vsync = false;    // full screen with hertz > 0
    Frame_Limiter limiter;
};

Gfx_Module& Gfx_M();
// The renderer of the open screen with a frame begun, or null when no screen is open.
Renderer* Gfx_Renderer();
// The renderer of the open screen without beginning a frame (texture release), or null.
Renderer* Gfx_ScreenRenderer();
// Transforms (px, py), relative to the drawing position (x, y), by rotation and scale.
inline void Gfx_Transform(const Gfx_Module& m, float x, float y, float px, float py, float& ox, float& oy) {
    ox = x + px * m.rot_cos * m.scale_x - py * m.rot_sin * m.scale_y;
    oy = y + px * m.rot_sin * m.scale_x + py * m.rot_cos * m.scale_y;
}
// Emits the quad with corners (px0, py0)..(px1, py1) relative to (x, y), transformed, with
// texture coordinates u0, v0..u1, v1 as two triangles into out[6].
void Gfx_QuadVertices(const Gfx_Module& m, float x, float y, float px0, float py0, float px1, float py1,
                      float u0, float v0, float u1, float v1, Gfx_Vertex* out);
