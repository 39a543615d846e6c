// Text: glyph quads in the current font, placed along the pen and transformed about the
// text's position like every other drawing; runs on one atlas page go out together.
#include "engine/gfx_font.h"
#include "engine/gfx_state.h"
#include "shell/utf8.h"

namespace {
constexpr int kBatchQuads = 64;

TImageFont& Current_Font() {
    TImageFont* f = Gfx_M().font;
    return f ? *f : Font_Builtin();
}
} // namespace

void Gfx_DrawText(const std::string& utf8, float x, float y) {
    Renderer* r = Gfx_Renderer();
    if (!r || utf8.empty()) return;
    TImageFont& font = Current_Font();
    // Make every glyph first so the pages no longer change while their quads are batched.
    for (size_t i = 0; i < utf8.size();)
        Font_GlyphOf(font, Utf8_Next(utf8, i));
    const Gfx_Module& m = Gfx_M();
    Gfx_Vertex batch[kBatchQuads * 6];
    int quads = 0, batch_page = -1;
    auto flush = [&]() {
        if (quads) r->Draw_Triangles(font.pages[size_t(batch_page)].get(), m.blend, batch, quads * 6);
        quads = 0;
    };
    int pen = 0;
    for (size_t i = 0; i < utf8.size();) {
        const Font_Glyph& g = Font_GlyphOf(font, Utf8_Next(utf8, i));
        if (g.page >= 0) {
            if (g.page != batch_page || quads == kBatchQuads) {
                flush();
                batch_page = g.page;
            }
            const Gfx_Frame& page = *font.pages[size_t(g.page)];
            float pw = float(page.w), ph = float(page.h);
            float px = float(pen + g.off_x), py = float(g.off_y);
            Gfx_QuadVertices(m, x, y, px, py, px + float(g.w), py + float(g.h), float(g.x) / pw,
                             float(g.y) / ph, float(g.x + g.w) / pw, float(g.y + g.h) / ph,
                             &batch[quads * 6]);
            ++quads;
        }
        pen += g.advance;
    }
    flush();
}

int Gfx_TextWidth(const std::string& utf8) {
    TImageFont& font = Current_Font();
    int width = 0;
    for (size_t i = 0; i < utf8.size();)
        width += Font_GlyphOf(font, Utf8_Next(utf8, i)).advance;
    return width;
}

int Gfx_TextHeight() {
    return Current_Font().height;
}
