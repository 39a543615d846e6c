// Image fonts inside the drawing service: glyph images made on first use and packed onto
// atlas pages (frames the renderers draw from), each with its offset from the pen and its
// advance. The built-in default font uses the same record with glyphs from a bitmap table.
#pragma once
#include <memory>
#include <unordered_map>
#include "engine/gfx.h"

struct Font_Glyph {
    bool made = false;              // looked up already (a character without a glyph stays page -1)
    int page = -1;                  // atlas page of the image, -1 for none
    int x = 0, y = 0, w = 0, h = 0; // the image's rectangle on the page, pixels
    int off_x = 0, off_y = 0;       // from the pen (top of the line) to the image's top left
    int advance = 0;                // pen movement, pixels
};

struct TImageFont {
    void* face = nullptr;       // FreeType face (FT_Face); null for the built-in font
    std::vector<uint8_t> bytes; // the font file when it was read from disk
    int size = 0;               // pixel size actually set
    int style = 0;              // 1 bold, 4 smooth (one-pixel transparent border)
    int height = 0;             // line height, pixels
    int ascent = 0;             // baseline below the top of the line, pixels
    bool filtered = true;       // glyph pages sampled bilinearly
    Font_Glyph low[256];        // code points below 256
    std::unordered_map<uint32_t, Font_Glyph> high;
    std::vector<std::unique_ptr<Gfx_Frame>> pages;
    int shelf_x = 0, shelf_y = 0, shelf_h = 0; // packing position on the last page
};

// The glyph of code point cp, made on first use.
const Font_Glyph& Font_GlyphOf(TImageFont& font, uint32_t cp);
// Copies a coverage image (w x h bytes 0..255, rows pitch bytes apart) with border
// transparent pixels around it onto an atlas page and sets g's page rectangle.
void Font_AddImage(TImageFont& font, Font_Glyph& g, const uint8_t* cov, int w, int h, int pitch, int border);
// The built-in default font (made on first use, kept for the whole run).
TImageFont& Font_Builtin();
// Makes glyph cp of the built-in font from its bitmap table.
void Font_MakeBuiltinGlyph(TImageFont& font, uint32_t cp, Font_Glyph& g);
// Makes the glyphs of the printable Latin-1 characters of every loaded font ahead of use, so
// text drawn later adds nothing to the glyph pages.
void Font_MakeCommonGlyphs();
