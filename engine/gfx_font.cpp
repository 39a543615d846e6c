// FreeType image fonts: loading with the size fallback, glyph rendering with optional bold
// and a one-pixel border, and shelf packing of glyph images onto atlas pages.
#include "engine/gfx_font.h"
#include <algorithm>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include "engine/gfx_page.h"
#include "engine/gfx_state.h"
#include "shell/log.h"
#include "shell/resource.h"

namespace {
constexpr char kFontFailed[] = "Font load failed: ";
constexpr int kPageSize = 512;
constexpr int kStyleBold = 1, kStyleSmooth = 4;

// Every loaded TrueType font, so their common glyphs can be made ahead of play.
std::vector<TImageFont*>& Live_Fonts() {
    static std::vector<TImageFont*> fonts;
    return fonts;
}

FT_Library Library() {
    static FT_Library lib = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    }
    return lib;
}

Gfx_Frame* New_Page(TImageFont& font, int w, int h) {
    auto page = std::make_unique<Gfx_Frame>();
    page->w = w;
    page->h = h;
    page->filtered = font.filtered;
    // Filtered pages are transparent white so edges don't darken; unfiltered ones transparent
    // black, so solid blending shows the glyph boxes as white text on black.
    page->pixels.assign(size_t(w) * h, font.filtered ? 0x00FFFFFFu : 0u);
    Page_PlaceAlone(*page);
    font.pages.push_back(std::move(page));
    font.shelf_x = font.shelf_y = font.shelf_h = 0;
    return font.pages.back().get();
}

void Make_FreeType_Glyph(TImageFont& font, uint32_t cp, Font_Glyph& g) {
    auto face = static_cast<FT_Face>(font.face);
    FT_UInt index = FT_Get_Char_Index(face, cp);
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) return;
    FT_GlyphSlot slot = face->glyph;
    if (font.style & kStyleBold) FT_GlyphSlot_Embolden(slot);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
    g.advance = int((slot->advance.x + 32) >> 6);
    const FT_Bitmap& bm = slot->bitmap;
    int w = int(bm.width), h = int(bm.rows);
    if (w <= 0 || h <= 0 || !bm.buffer) return;
    std::vector<uint8_t> cov(size_t(w) * h);
    int pitch = bm.pitch < 0 ? -bm.pitch : bm.pitch;
    for (int y = 0; y < h; ++y) {
        const uint8_t* row = bm.buffer + size_t(bm.pitch < 0 ? h - 1 - y : y) * pitch;
        for (int x = 0; x < w; ++x)
            cov[size_t(y) * w + x] = bm.pixel_mode == FT_PIXEL_MODE_MONO
                                         ? ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255
                                         : (bm.pixel_mode == FT_PIXEL_MODE_GRAY ? row[x] : 255);
    }
    int border = (font.style & kStyleSmooth) ? 1 : 0;
    g.off_x = slot->bitmap_left - border;
    g.off_y = font.ascent - slot->bitmap_top - border;
    Font_AddImage(font, g, cov.data(), w, h, w, border);
}
} // namespace

void Font_AddImage(TImageFont& font, Font_Glyph& g, const uint8_t* cov, int w, int h, int pitch, int border) {
    int iw = w + 2 * border, ih = h + 2 * border;
    int cell_w = iw + 1, cell_h = ih + 1; // one spare pixel between neighbours on a page
    Gfx_Frame* page = font.pages.empty() ? nullptr : font.pages.back().get();
    if (page && font.shelf_x + cell_w > page->w) {
        font.shelf_x = 0;
        font.shelf_y += font.shelf_h;
        font.shelf_h = 0;
    }
    if (!page || font.shelf_y + cell_h > page->h)
        page = New_Page(font, std::max(kPageSize, cell_w), std::max(kPageSize, cell_h));
    g.page = int(font.pages.size()) - 1;
    g.x = font.shelf_x;
    g.y = font.shelf_y;
    g.w = iw;
    g.h = ih;
    uint32_t clear = font.filtered ? 0xFFFFFFu : 0u; // as New_Page fills the page
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t a = cov[size_t(y) * pitch + x];
            page->pixels[size_t(g.y + border + y) * page->w + size_t(g.x + border + x)] =
                a << 24 | (a ? 0xFFFFFF : clear);
        }
    Page_FrameChanged(*page);
    font.shelf_x += cell_w;
    font.shelf_h = std::max(font.shelf_h, cell_h);
}

const Font_Glyph& Font_GlyphOf(TImageFont& font, uint32_t cp) {
    Font_Glyph& g = cp < 256 ? font.low[cp] : font.high[cp];
    if (!g.made) {
        g.made = true;
        if (font.face)
            Make_FreeType_Glyph(font, cp, g);
        else
            Font_MakeBuiltinGlyph(font, cp, g);
    }
    return g;
}

TImageFont* Gfx_LoadFont(const std::string& path, int size, int style) {
    Resource_Stream s;
    FT_Library lib = Library();
    if (!lib || size < 1 || !Stream_Open(path, s)) {
        Log_Line(kFontFailed + path);
        return nullptr;
    }
    auto* font = new TImageFont();
    font->bytes = std::move(s.owned);
    const uint8_t* data = font->bytes.empty() ? s.data : font->bytes.data();
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(lib, data, FT_Long(s.size), 0, &face) != 0) {
        Log_Line(kFontFailed + path);
        delete font;
        return nullptr;
    }
    int set = size;
    while (set >= 1 && FT_Set_Pixel_Sizes(face, 0, FT_UInt(set)) != 0)
        --set;
    if (set < 1) {
        Log_Line(kFontFailed + path);
        FT_Done_Face(face);
        delete font;
        return nullptr;
    }
    font->face = face;
    font->size = set;
    font->style = style;
    font->ascent = int((face->size->metrics.ascender + 63) >> 6);
    font->height = int((face->size->metrics.height + 32) >> 6);
    Live_Fonts().push_back(font);
    return font;
}

void Gfx_FreeFont(TImageFont* font) {
    if (!font || font == &Font_Builtin()) return;
    if (Gfx_M().font == font) Gfx_M().font = nullptr;
    auto& live = Live_Fonts();
    live.erase(std::remove(live.begin(), live.end(), font), live.end());
    for (auto& page : font->pages)
        Page_Remove(*page);
    if (font->face) FT_Done_Face(static_cast<FT_Face>(font->face));
    delete font;
}

void Font_MakeCommonGlyphs() {
    auto make = [](TImageFont& font) {
        for (uint32_t cp = 32; cp < 256; ++cp)
            if (cp < 127 || cp >= 160) Font_GlyphOf(font, cp);
    };
    for (TImageFont* font : Live_Fonts())
        make(*font);
    make(Font_Builtin());
}
