// Pieces of the OpenGL renderer shared by its files: the shader programs and the making of
// page textures. OpenGL 2.1; the context must be current on this thread.
#pragma once
#include <cstdint>
#include <vector>
#include "engine/renderer.h"
#include "engine/sdl/gl_renderer.h"

// One compiled program and its uniform.
struct Gl_Program {
    unsigned name = 0;
    int u_tex = -1;
};

// The plain program (texture x colour) and the mask program (alpha below 0.5 discarded, the
// rest opaque). Attributes: 0 position (logical units), 1 texture coordinates, 2 colour.
struct Gl_Programs {
    Gl_Program plain, mask;
};

// Compiles and links both programs; false (with a log line) on failure.
bool Gl_MakePrograms(Gl_Programs& out);
// Deletes both programs.
void Gl_FreePrograms(Gl_Programs& p);
// Makes page's texture for screen generation `generation`, or refreshes the frames that
// changed, and builds its mip-maps when it is drawn minified. scratch is reused memory.
void Gl_UploadPage(Gfx_Page& page, int generation, std::vector<uint32_t>& scratch, Gl_Stats& stats);
// Mip filtering for a page seen drawn minified: builds the chain now.
void Gl_BuildMips(Gfx_Page& page, Gl_Stats& stats);
