// Art of the gun (base, bow underlay and top, barrel), its aim pointers and the three hammer
// icons with their grey versions and the eight segments of the charge ring. The gun images
// point down (+y): the game turns them by the gun angle - 90 degrees.
#include <algorithm>
#include <cmath>
#include <string>
#include "content/gen/gen_groups.h"

namespace {
bool Ends(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Bow limbs across the barrel; `pull` 0..1 draws the string back (the firing animation).
void Bow(cairo_t* cr, double cx, double cy, double pull, bool top) {
    double span = 62, bend = 20 - 12 * pull;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - span, cy - 6);
    cairo_curve_to(cr, cx - span * 0.5, cy + bend, cx + span * 0.5, cy + bend, cx + span, cy - 6);
    cairo_set_line_width(cr, top ? 5 : 9);
    Gen_SetColor(cr, top ? Gen_Rgb{0.85, 0.7, 0.4} : Gen_Rgb{0.35, 0.22, 0.1}, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - span, cy - 6);
    cairo_line_to(cr, cx, cy - 6 - 30 * pull);
    cairo_line_to(cr, cx + span, cy - 6);
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, {0.95, 0.95, 0.9}, 0.9);
    cairo_stroke(cr);
}

void Gun_Image(const Manifest_Entry& e, Gen_Canvas& c) {
    double cx = e.frame_w / 2.0, cy = e.frame_h / 2.0;
    cairo_t* cr = c.cr;
    if (Ends(e.name, "\\00.png")) {
        Gen_Glow(cr, cx, cy, 60, {0, 0, 0}, 0.5);
        Gen_Sphere(cr, cx, cy, 44, {0.45, 0.42, 0.38});
        Gen_Ring(cr, cx, cy, 38, 4, {0.75, 0.62, 0.3}, 1);
    } else if (Ends(e.name, "\\02.png")) {
        Gen_RoundRectPath(cr, cx - 11, cy - 10, 22, 70, 8);
        Gen_SetColor(cr, {0.5, 0.32, 0.15});
        cairo_fill(cr);
        Gen_Sphere(cr, cx, cy, 24, {0.6, 0.45, 0.25});
    } else if (Ends(e.name, "\\10.png")) {
        Gen_Ring(cr, cx, cy, 26, 3, {0.9, 0.78, 0.4}, 0.9);
        Gen_Sphere(cr, cx, cy + 62, 6, {0.9, 0.78, 0.4});
    } else { // 01.png, 11.png: strips of the bow drawn back and released
        bool top = Ends(e.name, "\\11.png");
        for (int f = 0; f < e.frames; ++f) {
            c.Cell(e, f);
            double pull = f == 0 ? 0 : 1.0 - (f - 1.0) / (e.frames - 1.0);
            Bow(c.cr, cx, cy + 30, pull, top);
        }
    }
}

void Pointer(const Manifest_Entry& e, cairo_t* cr) {
    double cx = e.frame_w / 2.0, cy = e.frame_h / 2.0;
    Gen_Rgb c = {1, 1, 1};
    if (e.name.find("pointer_0") != std::string::npos) c = Gen_PearlColor(e.name[e.name.size() - 5] - '0');
    if (Ends(e.name, "joker.png")) c = {0.95, 0.95, 0.95};
    if (Ends(e.name, "fireball.png")) c = {1, 0.45, 0.05};
    Gen_Ring(cr, cx, cy, 10, 3, c, 1);
    Gen_SetColor(cr, c, 1);
    cairo_move_to(cr, cx + 15, cy);
    cairo_line_to(cr, cx + 5, cy - 6);
    cairo_line_to(cr, cx + 5, cy + 6);
    cairo_close_path(cr);
    cairo_fill(cr);
    Gen_Glow(cr, cx, cy, 5, c, 0.8);
}

// Hammer head and handle, rocked by `swing` radians, in colour c.
void Hammer(cairo_t* cr, double cx, double cy, double s, double swing, Gen_Rgb head, Gen_Rgb handle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy + s * 0.35);
    cairo_rotate(cr, -0.5 + swing);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, s * 0.1);
    Gen_SetColor(cr, handle);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, -s * 0.62);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, -s * 0.3, -s * 0.8, s * 0.6, s * 0.26, s * 0.06);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -s * 0.8, 0, -s * 0.54);
    Gen_Rgb hi = Gen_Mix(head, {1, 1, 1}, 0.5), lo = Gen_Mix(head, {0, 0, 0}, 0.4);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void Hammer_Image(const Manifest_Entry& e, Gen_Canvas& c) {
    if (e.name.find("hammer_fill_") != std::string::npos) {
        Gen_Glow(c.cr, 12, 12, 12, {1, 0.85, 0.3}, 1);
        Gen_Sphere(c.cr, 12, 12, 5, {1, 0.9, 0.5});
        return;
    }
    int level = e.name[e.name.find("hammer") + 6] - '1';
    static const Gen_Rgb heads[3] = {{0.55, 0.5, 0.45}, {0.8, 0.82, 0.88}, {0.95, 0.78, 0.25}};
    bool gray = Ends(e.name, "_gray.png");
    double s = e.frame_w;
    for (int f = 0; f < e.frames; ++f) {
        c.Cell(e, f);
        double swing = 0.35 * std::sin(2 * M_PI * f / std::max(e.frames, 1));
        if (gray) {
            Hammer(c.cr, s / 2, s / 2, s * 0.8, 0, {0.45, 0.45, 0.45}, {0.35, 0.35, 0.35});
        } else {
            Gen_Glow(c.cr, s / 2, s / 2, s / 2, {1, 0.9, 0.5},
                     0.25 + 0.2 * std::cos(2 * M_PI * f / e.frames));
            Hammer(c.cr, s / 2, s / 2, s * 0.8, swing, heads[std::clamp(level, 0, 2)], {0.5, 0.3, 0.12});
        }
    }
}
} // namespace

void Gen_DrawGun(const Manifest_Entry& e, Gen_Canvas& c) {
    if (e.name.find("\\Hammer\\") != std::string::npos) return Hammer_Image(e, c);
    if (e.name.find("pointer_") != std::string::npos) return Pointer(e, c.cr);
    Gun_Image(e, c);
}
