// The drawing service the game calls: drawing state (colour, alpha, blend, rotation, scale,
// line width, viewport, font), images with handle and frames, shapes, image-font text.
// Positions are logical screen units (800 x 600, origin top left, y down); angles in degrees,
// positive turns clockwise on screen. A null image or font is a harmless no-op everywhere.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "engine/renderer.h"

// Image flags: 1 filtered, 2 mip-mapped, 4 masked, 8 dynamic. The game passes 3 ("default").
constexpr int GFX_DEFAULT_FLAGS = 3;
// Added to the flags of images the game draws shrunk (pearls): their mip-maps are made with
// their texture, never in the middle of play. Other images get them when first drawn minified.
constexpr int GFX_SHRINKS = 16;

// Blend modes.
enum { BLEND_MASK = 1, BLEND_SOLID = 2, BLEND_ALPHA = 3, BLEND_LIGHT = 4, BLEND_SHADE = 5 };

// An image: one or more frames of the same size with a handle point.
struct TImage {
    int width = 0, height = 0; // of one frame, pixels
    int flags = GFX_DEFAULT_FLAGS;
    float handle_x = 0, handle_y = 0; // point placed on the draw position, from the top left
    std::vector<Gfx_Frame> frames;
    int locked_frame = -1; // frame handed out by Gfx_LockImage until Gfx_UnlockImage
};

struct TImageFont;

// Direct pixel access to one frame (see Gfx_LockImage).
struct Pixmap {
    Gfx_Frame* frame = nullptr;
    uint32_t Pixmap_ReadPixel(int x, int y) const;       // 0 outside the frame
    void Pixmap_WritePixel(int x, int y, uint32_t argb); // ignored outside the frame
};

// Screen. Opens the renderer through the platform; depth 0 window, 32 full screen.
bool Gfx_OpenScreen(int width, int height, int depth, int hertz);
// Shows the back buffer. Pacing -1 (the default): the window frame limiter, else vsync when
// the screen was opened full screen with hertz > 0; 0: at once; > 0: with vsync.
void Gfx_Present(int pacing = -1);
// Resets the drawing state to its start values (tests and screen opening).
void Gfx_ResetState();

// State setters and getters.
void Gfx_SetColor(int r, int g, int b);
void Gfx_GetColor(int& r, int& g, int& b);
void Gfx_SetAlpha(float a);
float Gfx_GetAlpha();
void Gfx_SetBlend(int mode); // the current mode again, or a value outside 1..5, changes nothing
int Gfx_GetBlend();
void Gfx_SetRotation(float degrees); // positive turns clockwise on screen
float Gfx_GetRotation();
void Gfx_SetScale(float sx, float sy);
void Gfx_GetScale(float& sx, float& sy);
void Gfx_SetLineWidth(float w);
void Gfx_SetViewport(int x, int y, int w, int h);
void Gfx_GetViewport(int& x, int& y, int& w, int& h);
void Gfx_SetFont(TImageFont* font); // null selects the built-in default font
TImageFont* Gfx_GetFont();          // null while the built-in default font is selected

// Drawing. The transform (rotation, scale) turns every point about the drawing position:
// (px, py) relative to it lands on (x + px cos r sx - py sin r sy, y + px sin r sx + py cos r sy).
// Images are placed by their handle; shapes have none (lines turn about their first point).
void Gfx_DrawImage(TImage* image, float x, float y, int frame); // frame 0-based; others ignored
void Gfx_DrawRect(float x, float y, float w, float h);
void Gfx_DrawOval(float x, float y, float w, float h);        // inscribed in the rectangle
void Gfx_DrawLine(float x1, float y1, float x2, float y2);    // covers both end pixels
void Gfx_Plot(float x, float y);                              // the pixel containing (x, y)
void Gfx_Cls();                                               // fills the viewport with black
void Gfx_DrawText(const std::string& utf8, float x, float y); // top-left of the first line at (x, y)
int Gfx_TextWidth(const std::string& utf8);                   // sum of advances, unscaled
int Gfx_TextHeight();                                         // current font's line height

// Images. Paths beginning with "incbin::" are read from the embedded catalogue.
TImage* Gfx_LoadImage(const std::string& path, int flags = GFX_DEFAULT_FLAGS);
TImage* Gfx_LoadAnimImage(const std::string& path, int cell_w, int cell_h, int first, int count,
                          int flags = GFX_DEFAULT_FLAGS);
// Makes an image from pixels in memory (generator previews, tests); frames of w x h.
TImage* Gfx_CreateImage(int w, int h, int frames = 1, int flags = GFX_DEFAULT_FLAGS);
void Gfx_FreeImage(TImage* image);
// Makes the texture copy of every loaded image and font page that lacks one, in one pass
// (screen entry, start-up, after the screen was re-opened); nothing without a GPU back end.
void Gfx_PrepareTextures();
void Gfx_MidHandle(TImage* image);
void Gfx_SetHandle(TImage* image, float x, float y);
int Gfx_ImageWidth(const TImage* image);
int Gfx_ImageHeight(const TImage* image);
Pixmap Gfx_LockImage(TImage* image, int frame, bool read, bool write);
void Gfx_UnlockImage(TImage* image);
void Gfx_FlipImageX(TImage* image);
void Gfx_FlipImageY(TImage* image);

// Fonts: a TrueType file at a pixel size; style 5 = bold + smooth (one-pixel glyph border).
TImageFont* Gfx_LoadFont(const std::string& path, int size, int style);
void Gfx_FreeFont(TImageFont* font);

// value + FrameDt x speed, then count subtracted while the integer part is at least count.
float Anim_Wrap(float value, int count, float speed);

// The current frame as 800 x 600 ARGB (screenshots); false when no screen is open.
bool Gfx_ReadScreen(std::vector<uint32_t>& out);
// Writes ARGB pixels as a PNG file; false (and a log line) on failure.
bool Gfx_WritePng(const std::string& file, const uint32_t* argb, int w, int h);
// Encodes ARGB pixels as PNG bytes; false on failure.
bool Gfx_EncodePng(const uint32_t* argb, int w, int h, std::vector<uint8_t>& out);
// Draw calls of the current (or last presented) frame, 0 without a screen (benchmarks).
int Gfx_DrawCalls();
