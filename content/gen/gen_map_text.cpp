// Text in the game's own two fonts for the menu art, through FreeType and Cairo. The faces are
// opened once for the whole run and shared by the generator's threads (Cairo locks a face
// while it renders with it).
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <mutex>
#include "content/gen/gen_files.h"
#include "content/gen/gen_map.h"

namespace {
struct Fonts {
    FT_Library lib = nullptr;
    cairo_font_face_t* face[2] = {nullptr, nullptr};
};

Fonts* Open_Fonts() {
    static Fonts fonts;
    static std::once_flag once;
    std::call_once(once, [] {
        if (FT_Init_FreeType(&fonts.lib) != 0) return;
        const char* names[2] = {".\\fonts\\vinque.ttf", ".\\fonts\\UnZialish.ttf"};
        for (int i = 0; i < 2; ++i) {
            FT_Face f = nullptr;
            if (FT_New_Face(fonts.lib, Gen_FontSource(names[i]).c_str(), 0, &f) == 0)
                fonts.face[i] = cairo_ft_font_face_create_for_ft_face(f, 0);
        }
    });
    return &fonts;
}
} // namespace

void Map_Text(cairo_t* cr, int font, double size, double x, double y, const std::string& text, Gen_Rgb fill,
              double outline) {
    cairo_font_face_t* face = Open_Fonts()->face[font == 1 ? 1 : 0];
    cairo_save(cr);
    if (face) cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    cairo_new_path(cr);
    cairo_move_to(cr, x - ext.width / 2 - ext.x_bearing, y);
    cairo_text_path(cr, text.c_str());
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (outline > 0) {
        cairo_set_line_width(cr, outline * 2);
        Gen_SetColor(cr, {0.08, 0.04, 0.02}, 0.75);
        cairo_stroke_preserve(cr);
    }
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y - ext.height, 0, y);
    Gen_Rgb hi = Gen_Mix(fill, {1, 1, 1}, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, fill.r, fill.g, fill.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}
