// The OpenGL renderer: batches every triangle of a frame into one vertex buffer and issues one
// draw call per run of the same texture, blend mode and clip rectangle. OpenGL 2.1 with a
// GLSL 1.20 shader; the 800 x 600 logical screen is scaled into a letterboxed output area.
#pragma once
#include <memory>
#include "engine/renderer.h"

// A renderer for the GL context current on this thread; null (with a log line) when the
// context lacks what it needs.
std::unique_ptr<Renderer> Gl_CreateRenderer();
// Where the logical screen goes: the output rectangle (pixels from the drawable's top left)
// inside a drawable of drawable_w x drawable_h pixels.
void Gl_SetOutput(Renderer* renderer, int out_x, int out_y, int out_w, int out_h, int drawable_w,
                  int drawable_h);
// The letterboxed rectangle that scales 800 x 600 as large as fits, centred, in a drawable.
void Gl_FitOutput(int drawable_w, int drawable_h, int& out_x, int& out_y, int& out_w, int& out_h);
// The context was made anew: every texture is rebuilt (takes a new generation number).
void Gl_ContextChanged(Renderer* renderer);

// What the OpenGL renderer did, for benchmarks: running totals and the figures of the frame
// being drawn (reset when it begins).
struct Gl_Stats {
    long uploads = 0;      // texture image uploads (whole or part)
    long upload_bytes = 0; // bytes of those uploads
    long mip_builds = 0;   // mip-map chains generated
    int frame_quads = 0;   // quads (triangle pairs) of the frame
    double frame_area = 0; // output pixels those triangles cover (overlaps counted again)
};
// The process-wide counters.
Gl_Stats& Gl_GetStats();
