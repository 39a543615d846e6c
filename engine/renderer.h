// The renderer interface: everything the drawing service draws arrives here as triangles
// with one texture (or none, for flat colour) and one blend mode, clipped to a viewport.
// Implementations: software (800 x 600 ARGB buffer) and OpenGL (batched quads).
#pragma once
#include <cstdint>
#include <vector>

// One frame image's kept pixels and its texture bookkeeping.
struct Gfx_Frame {
    int w = 0, h = 0;
    std::vector<uint32_t> pixels; // w * h ARGB, row by row from the top
    bool filtered = true;         // bilinear sampling
    bool mipmapped = false;       // the texture gets mip-maps (OpenGL only)
    uint32_t tex = 0;             // renderer's texture name (0: none yet)
    int tex_generation = -1;      // screen generation the texture belongs to
    bool dirty = true;            // pixels changed since the texture was made
};

// One vertex in logical screen units; u, v in texels / frame size (0..1); argb tint and alpha.
struct Gfx_Vertex {
    float x, y, u, v;
    uint32_t argb;
};

struct Renderer {
    virtual ~Renderer() = default;
    // Starts a frame (resets the draw-call counter).
    virtual void Begin_Frame() = 0;
    // Draws count vertices (count / 3 triangles) with texture tex (null: flat colour) in blend
    // mode 1..5: 1 mask, 2 solid, 3 alpha, 4 light (additive), 5 shade (multiplicative).
    virtual void Draw_Triangles(Gfx_Frame* tex, int blend, const Gfx_Vertex* v, int count) = 0;
    // Clip rectangle in logical screen units.
    virtual void Set_Viewport(int x, int y, int w, int h) = 0;
    // Flushes pending batches; called before presenting.
    virtual void End_Frame() = 0;
    // Draw calls issued in the current (or last finished) frame.
    virtual int Draw_Calls() const = 0;
    // Copies the 800 x 600 frame as ARGB into out; false when the back end cannot.
    virtual bool Read_Pixels(std::vector<uint32_t>& out) = 0;
    // Incremented when the screen is re-opened: textures of older generations are rebuilt.
    // Every renderer takes a new number from one process-wide counter when it is made.
    virtual int Generation() const = 0;
    // Releases the texture made for frame (image or font freed); pending draws that use it
    // are finished first. Frames of other generations are only forgotten.
    virtual void Free_Texture(Gfx_Frame& frame) {
        frame.tex = 0;
        frame.tex_generation = -1;
    }
};

// The next screen generation number (process-wide, starts at 1).
int Renderer_NextGeneration();
