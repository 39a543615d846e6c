// The main menu's carved button panel (a socket for the round play button and five slots for
// the other buttons, where the menu places them), the buttons themselves, the studio logo and
// the loading pictures.
#include <cmath>
#include "content/gen/gen_groups.h"
#include "content/gen/gen_menu_art.h"
#include "content/gen/gen_text.h"
#include "content/gen/gen_ui_art.h"

namespace {
// Panel coordinates: the panel sits at (565, 89); the play button at (635, 138), 88 x 89; the
// other buttons at x 586 from y 254 in steps of about 48, 185 x 50.
const double kPlayX = 70 + 44, kPlayY = 49 + 44.5;
const double kSlotY[5] = {165, 213, 262, 310, 358};

void Panel_Path(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_arc(cr, kPlayX, kPlayY, 64, 0, 2 * M_PI);
    Gen_RoundRectPath(cr, 8, 136, 219, 280, 22);
}
} // namespace

void Menu_Panel(Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    cairo_save(cr);
    cairo_translate(cr, 4, 6);
    Panel_Path(cr);
    Gen_SetColor(cr, {0, 0, 0}, 0.45);
    cairo_fill(cr);
    cairo_restore(cr);
    Gen_Mask m(c.w, c.h);
    Panel_Path(m.cr);
    cairo_set_fill_rule(m.cr, CAIRO_FILL_RULE_WINDING);
    m.Fill();
    Gen_PaintMasked(c, m, [](double x, double y) {
        Gen_Rgb w = Gen_WoodAt(x, y, 90);
        return Gen_Mix(w, {0, 0, 0}, 0.25 * Gen_Step(140, 420, y));
    });
    Panel_Path(cr);
    Gen_GoldStroke(cr, 4);
    Panel_Path(cr); // inner carved line
    cairo_save(cr);
    cairo_translate(cr, kPlayX, 250);
    cairo_scale(cr, 0.93, 0.97);
    cairo_translate(cr, -kPlayX, -250);
    Panel_Path(cr);
    cairo_restore(cr);
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, {1, 0.85, 0.55}, 0.35);
    cairo_stroke(cr);
    // The round socket of the play button: a dark well with a gold lip.
    cairo_pattern_t* p = cairo_pattern_create_radial(kPlayX, kPlayY - 8, 10, kPlayX, kPlayY, 50);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.02, 0.02, 0.03);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.12, 0.07, 0.04);
    cairo_arc(cr, kPlayX, kPlayY, 49, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Gen_GoldStroke(cr, 3);
    for (int k = 0; k < 12; ++k) { // studs round the socket
        double a = k * M_PI / 6;
        Gen_Sphere(cr, kPlayX + 56 * std::cos(a), kPlayY + 56 * std::sin(a), 2.6, {0.9, 0.72, 0.3});
    }
    for (double y : kSlotY) { // recessed slots the buttons sit in
        Gen_RoundRectPath(cr, 16, y - 4, 203, 58, 14);
        cairo_pattern_t* s = cairo_pattern_create_linear(0, y - 4, 0, y + 54);
        cairo_pattern_add_color_stop_rgba(s, 0, 0, 0, 0, 0.75);
        cairo_pattern_add_color_stop_rgba(s, 1, 0.1, 0.05, 0.02, 0.45);
        cairo_set_source(cr, s);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(s);
        cairo_set_line_width(cr, 1.2);
        Gen_SetColor(cr, {1, 0.85, 0.55}, 0.3);
        cairo_stroke(cr);
    }
    for (double x : {26.0, 209.0}) // the panel's corner rosettes
        for (double y : {150.0, 404.0}) {
            Gen_Star(cr, x, y, 7, 3, 4, M_PI / 4, {0.95, 0.78, 0.35}, 1);
            Gen_Sphere(cr, x, y, 2.5, {1, 0.9, 0.6});
        }
}

void Menu_PlayButton(cairo_t* cr, double w, double h, const std::string& state) {
    double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 2;
    bool pressed = state == "pressed", hovered = state == "hovered";
    if (hovered) Gen_Glow(cr, cx, cy, r + 2, {1, 0.95, 0.6}, 0.9);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, cy - r, 0, cy + r);
    cairo_pattern_add_color_stop_rgb(rim, 0, 1, 0.93, 0.62);
    cairo_pattern_add_color_stop_rgb(rim, 0.5, 0.8, 0.58, 0.22);
    cairo_pattern_add_color_stop_rgb(rim, 1, 0.35, 0.2, 0.05);
    cairo_arc(cr, cx, cy, r - (hovered ? 1 : 2), 0, 2 * M_PI);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    double gr = r - 9, gy = cy + (pressed ? 1.5 : 0);
    Gen_Rgb face = hovered   ? Gen_Rgb{0.15, 0.7, 0.5}
                   : pressed ? Gen_Rgb{0.04, 0.32, 0.22}
                             : Gen_Rgb{0.08, 0.5, 0.36};
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - gr * 0.3, gy - gr * 0.35, gr * 0.1, cx, gy, gr);
    Gen_Rgb hi = Gen_Mix(face, {1, 1, 1}, 0.45), lo = Gen_Mix(face, {0, 0, 0}, 0.6);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 0.5, face.r, face.g, face.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_arc(cr, cx, gy, gr, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, {0.1, 0.06, 0.02}, 0.8);
    cairo_stroke(cr);
    for (int k = 0; k < 3; ++k) { // swirls inside the jewel
        cairo_new_path(cr);
        cairo_arc(cr, cx, gy, gr * (0.45 + 0.17 * k), M_PI * (0.15 + 0.5 * k), M_PI * (0.85 + 0.5 * k));
        cairo_set_line_width(cr, 2);
        Gen_SetColor(cr, {0.7, 1, 0.85}, 0.14);
        cairo_stroke(cr);
    }
    if (!pressed) {
        cairo_save(cr);
        cairo_translate(cr, cx, gy - gr * 0.5);
        cairo_scale(cr, gr * 0.62, gr * 0.32);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_pattern_t* s = cairo_pattern_create_linear(0, gy - gr * 0.85, 0, gy - gr * 0.2);
        cairo_pattern_add_color_stop_rgba(s, 0, 1, 1, 1, hovered ? 0.6 : 0.45);
        cairo_pattern_add_color_stop_rgba(s, 1, 1, 1, 1, 0);
        cairo_set_source(cr, s);
        cairo_fill(cr);
        cairo_pattern_destroy(s);
    } else {
        Gen_Glow(cr, cx, gy - gr * 0.6, gr, {0, 0, 0}, 0.4);
    }
}

void Menu_Logo(const Manifest_Entry& e, Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    double w = e.frame_w, h = e.frame_h;
    cairo_rectangle(cr, 0, 0, w, h);
    Gen_SetColor(cr, {0, 0, 0});
    cairo_fill(cr);
    bool studio = Gen_Has(e.name, "studio") || Gen_Has(e.name, "publisher");
    if (studio) { // six pearls in a ring round the studio's name
        double s = h / 64, cx = w / 2, cy = h * (Gen_Has(e.name, "publisher") ? 0.4 : 0.5);
        double ring_x = Gen_Has(e.name, "publisher") ? cx : h * 0.55;
        for (int k = 0; k < 6; ++k) {
            double a = k * M_PI / 3 - M_PI / 2;
            Gen_Pearl(cr, ring_x + 18 * s * std::cos(a), cy + 18 * s * std::sin(a), 7 * s, k, k / 6.0);
        }
        Gen_Glow(cr, ring_x, cy, 12 * s, {1, 1, 0.9}, 0.8);
        Gen_TextLook look{{0.95, 0.92, 0.85}, 0, 0, {0, 0, 0}};
        if (Gen_Has(e.name, "publisher")) {
            Gen_UseFont(cr, GEN_SERIF, 34);
            Gen_TextCentred(cr, "Six Pearls", cx, h * 0.72, look);
            Gen_UseFont(cr, GEN_SERIF, 16);
            Gen_TextCentred(cr, "S T U D I O", cx, h * 0.84, {{0.85, 0.7, 0.4}, 0, 0, {0, 0, 0}});
        } else {
            Gen_UseFont(cr, GEN_SERIF, 19);
            Gen_TextAt(cr, "Six Pearls", h * 1.05, h * 0.5, look);
            Gen_UseFont(cr, GEN_SERIF, 10);
            Gen_TextAt(cr, "S T U D I O", h * 1.08, h * 0.72, {{0.85, 0.7, 0.4}, 0, 0, {0, 0, 0}});
        }
        return;
    }
    // The game's loading picture: the title over a glowing chain of pearls.
    Gen_Glow(cr, w / 2, h * 0.45, w * 0.6, {0.25, 0.3, 0.6}, 0.6);
    for (int k = 0; k < 9; ++k) {
        double x = w * 0.12 + k * w * 0.095, y = h * 0.68 + 10 * std::sin(k * 0.8);
        Gen_Pearl(cr, x, y, 15, k % 6, k / 9.0);
    }
    Gen_UseFont(cr, GEN_UNCIAL, 64);
    Gen_TextCentred(cr, "Orbivale", w / 2, h * 0.38, {{1, 0.86, 0.45}, 0.6, 2.5, {0.35, 0.2, 0.05}});
    Gen_UseFont(cr, GEN_SERIF, 16);
    Gen_TextCentred(cr, "loading...", w / 2, h * 0.9, {{0.8, 0.82, 0.9}, 0, 0, {0, 0, 0}});
}
