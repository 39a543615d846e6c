// Map labels in the game's own two fonts (gen_text.h), centred, with a dark outline and a
// light-to-fill gradient.
#include "content/gen/gen_map.h"
#include "content/gen/gen_text.h"

void Map_Text(cairo_t* cr, int font, double size, double x, double y, const std::string& text, Gen_Rgb fill,
              double outline) {
    cairo_save(cr);
    Gen_UseFont(cr, font == 1 ? GEN_UNCIAL : GEN_SERIF, size);
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
