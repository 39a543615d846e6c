// The renderer interface: everything the drawing service draws arrives here as triangles
// with one texture (or none, for flat colour) and one blend mode, clipped to a viewport.
// Implementations: software (800 x 600 ARGB buffer) and OpenGL (batched quads).
#pragma once
#include <cstdint>
#include <vector>

struct Gfx_Frame;

// A texture page: one texture of the GPU back end holding one or more frames at fixed places
// (the frames of an animation strip, small images drawn together, a font's glyphs). Each frame
// is surrounded by `gutter` pixels that repeat its edge, so filtering never reaches a neighbour.
struct Gfx_Page {
    int w = 0, h = 0;                          // texels
    bool filtered = true;                      // bilinear sampling
    bool mipmapped = false;                    // placed for mip-maps (aligned frames, wide gutter)
    bool mip_allowed = false;                  // a frame on it asked for mip-maps (image flag 2)
    bool mips_needed = false;                  // drawn minified: the texture carries mip-maps
    bool shared = false;                       // an atlas page that takes further images
    int gutter = 0;                            // pixels of repeated edge around every frame
    int white_x = -1, white_y = -1;            // centre of an opaque white block (flat colour), -1: none
    std::vector<Gfx_Frame*> frames;            // the frames placed on it
    int shelf_x = 0, shelf_y = 0, shelf_h = 0; // next free place of a shared page
    uint32_t tex = 0;                          // renderer's texture name (0: none yet)
    int tex_generation = -1;                   // screen generation the texture belongs to
    bool dirty = false;                        // a frame changed since the texture was made
    bool mips_built = false;                   // the texture's mip-maps are current
};

// One frame image's kept pixels and where its texture copy lives.
struct Gfx_Frame {
    int w = 0, h = 0;
    std::vector<uint32_t> pixels; // w * h ARGB, row by row from the top
    bool filtered = true;         // bilinear sampling
    bool mipmapped = false;       // mip-maps asked for where the image is drawn minified
    Gfx_Page* page = nullptr;     // texture page (null: placed on a page of its own when drawn)
    int page_x = 0, page_y = 0;   // top-left texel of the frame on its page
    bool dirty = true;            // pixels changed since its texture copy was made
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
    // Makes the texture of every page that lacks one or has changed, in one pass (screen
    // entry), so no frame of play waits for an upload.
    virtual void Prepare_Textures() {}
    // True for back ends that keep texture copies (only they need Prepare_Textures).
    virtual bool Makes_Textures() const { return false; }
    // Releases the texture made for page (its last image or font freed); pending draws that
    // use it are finished first. Pages of other generations are only forgotten.
    virtual void Free_Page(Gfx_Page& page) {
        page.tex = 0;
        page.tex_generation = -1;
    }
};

// The next screen generation number (process-wide, starts at 1).
int Renderer_NextGeneration();
