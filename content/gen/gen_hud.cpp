// Art of the in-game interface: the HUD bar with the gauge frame and the hammer medallion,
// the gauge fill, the in-game "main menu" button and the in-game menu window.
#include <string>
#include "content/gen/gen_groups.h"

void Gen_DrawHud(const Manifest_Entry& e, Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    const Gen_Rgb gold = {0.78, 0.64, 0.32}, dark = {0.1, 0.12, 0.18};
    if (e.name.find("ig_interf_bg") != std::string::npos) {
        Gen_Panel(cr, -10, -10, 820, 46, 10, {0.16, 0.2, 0.3}, dark, gold);
        Gen_RoundRectPath(cr, 466, 4, 248, 28, 8);
        Gen_SetColor(cr, {0.02, 0.03, 0.06}, 0.9);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 2);
        Gen_SetColor(cr, gold);
        cairo_stroke(cr);
        Gen_Sphere(cr, 740, 92, 44, {0.18, 0.22, 0.32});
        Gen_Ring(cr, 740, 92, 44, 4, gold, 1);
    } else if (e.name.find("ig_interf_pb") != std::string::npos) {
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, e.frame_h);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.8, 1);
        cairo_pattern_add_color_stop_rgb(p, 0.5, 0.1, 0.4, 0.95);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.05, 0.2, 0.6);
        Gen_RoundRectPath(cr, 0, 0, e.frame_w, e.frame_h, 6);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    } else if (e.name.find("ig_btn_menu") != std::string::npos) {
        Gen_Button(cr, e.frame_w, e.frame_h, Gen_StateOf(e.name), {0.2, 0.3, 0.5}, false);
    } else {
        Gen_Panel(cr, 0, 0, e.frame_w, e.frame_h, 18, {0.2, 0.25, 0.38}, dark, gold);
    }
}
