// Art of the in-game interface: the top bar with recessed plates under the lives, level and
// score texts and the frame of the win gauge, the medallion that holds the hammer icon and
// its charge ring, the gauge fill, the in-game "main menu" button and the in-game menu window.
#include <cmath>
#include <string>
#include "content/gen/gen_dialog_art.h"
#include "content/gen/gen_groups.h"

namespace {
const Gen_Rgb kGold = {0.86, 0.7, 0.36}, kDark = {0.06, 0.07, 0.12};

// A dark recess with a gold lip, for texts and the gauge.
void Plate(cairo_t* cr, double x, double y, double w, double h) {
    Gen_RoundRectPath(cr, x, y, w, h, h / 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0.85);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.1, 0.12, 0.2, 0.85);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 2);
    Gen_SetColor(cr, kGold);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, x + 2, y + h - 3, w - 4, 1, 0.5);
    Gen_SetColor(cr, {1, 1, 1}, 0.15);
    cairo_fill(cr);
}

void Bar(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 800, 0);
    cairo_line_to(cr, 800, 36);
    cairo_line_to(cr, 0, 36);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 36);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.22, 0.27, 0.4);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.12, 0.15, 0.25);
    cairo_pattern_add_color_stop_rgb(p, 1, kDark.r, kDark.g, kDark.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_rectangle(cr, 0, 36, 800, 6); // gold rail with a shadow under it
    Gen_SetColor(cr, {0, 0, 0}, 0.35);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 34, 800, 4);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 34, 0, 38);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.9, 0.6);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.55, 0.4, 0.15);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Plate(cr, 25, 9, 120, 24);  // "lives: N" centred at (85, 21)
    Plate(cr, 156, 9, 120, 24); // "level: P-N" at (216, 21)
    Plate(cr, 287, 9, 158, 24); // "score: N" at (366, 21)
    Plate(cr, 463, 3, 254, 29); // the gauge fill goes at (470, 6), 240 x 22
    for (double x : {150.5, 281.5, 451.0})
        Gen_Star(cr, x, 21, 4, 1.5, 4, 0, kGold, 1);
}

// The medallion round the hammer icon; the charge ring's segments light up on its groove.
void Medallion(cairo_t* cr) {
    const double x = 738, y = 92;
    Gen_Glow(cr, x + 3, y + 4, 62, {0, 0, 0}, 0.5);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 40, 30);
    cairo_line_to(cr, x + 40, 30);
    cairo_line_to(cr, x + 22, 52);
    cairo_line_to(cr, x - 22, 52);
    cairo_close_path(cr);
    Gen_SetColor(cr, kGold);
    cairo_fill(cr);
    Gen_Sphere(cr, x, y, 53, {0.55, 0.45, 0.25});
    Gen_Ring(cr, x, y, 53, 2, {0.3, 0.2, 0.08}, 1);
    Gen_Ring(cr, x, y, 41, 11, {0.05, 0.05, 0.08}, 0.95);
    Gen_Ring(cr, x, y, 47, 1.2, {1, 0.92, 0.7}, 0.6);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - 8, y - 10, 3, x, y, 35);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.25, 0.32, 0.5);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.06, 0.07, 0.14);
    cairo_arc(cr, x, y, 35, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Gen_Ring(cr, x, y, 35, 1.5, kGold, 1);
}

void Gauge_Fill(cairo_t* cr, double w, double h) {
    Gen_RoundRectPath(cr, 0, 0, w, h, h / 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.7, 1, 0.75);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.15, 0.78, 0.3);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.04, 0.35, 0.12);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Gen_RoundRectPath(cr, 0, 0, w, h, h / 2);
    cairo_save(cr);
    cairo_clip(cr);
    for (double x = -h; x < w; x += 16) { // moving-looking slanted stripes
        cairo_move_to(cr, x, h);
        cairo_line_to(cr, x + 7, h);
        cairo_line_to(cr, x + 7 + h, 0);
        cairo_line_to(cr, x + h, 0);
        cairo_close_path(cr);
    }
    Gen_SetColor(cr, {1, 1, 1}, 0.12);
    cairo_fill(cr);
    Gen_RoundRectPath(cr, 4, 2, w - 8, h * 0.32, h * 0.16);
    Gen_SetColor(cr, {1, 1, 1}, 0.4);
    cairo_fill(cr);
    cairo_restore(cr);
}
} // namespace

void Gen_DrawHud(const Manifest_Entry& e, Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    if (e.name.find("ig_interf_bg") != std::string::npos) {
        Medallion(cr);
        Bar(cr);
    } else if (e.name.find("ig_interf_pb") != std::string::npos) {
        Gauge_Fill(cr, e.frame_w, e.frame_h);
    } else if (e.name.find("ig_btn_menu") != std::string::npos) {
        Dialog_Button(e, c);
    } else {
        Dialog_InGameMenu(e, c);
    }
}
