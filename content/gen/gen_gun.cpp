// Art of the gun (base, bow underlay and top, barrel), its aim pointers and the three hammer
// icons with their grey versions and the eight segments of the charge ring. The gun images
// point down (+y): the game turns them by the gun angle - 90 degrees.
#include <algorithm>
#include <cmath>
#include <string>
#include "content/gen/gen_groups.h"
#include "content/gen/gen_pearls.h"

namespace {
constexpr int GUN_PICTURE_FRAMES = 14; // frames of the firing strip; the picture shows frame 0

bool Ends(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// String pull of firing frame f: 0 drawn back behind the loaded pearl, then it snaps forward
// and swings back to rest by the last frame.
double Nock_Y(int f, int frames) {
    if (f == 0) return 50;
    double t = (f - 1.0) / (frames - 2.0);
    return 88 + 30 * std::exp(-4 * t) * std::cos(7 * t) - 38 * t * t;
}

// Bow limbs across the stock and the string to the nock; `under` draws the soft shadow only.
void Bow(cairo_t* cr, int f, int frames, bool under) {
    double nock = Nock_Y(f, frames), flex = f == 0 ? 0 : 6 * std::exp(-3.0 * f / frames);
    double tip_y = 64 + flex;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    auto limbs = [&]() {
        cairo_new_path(cr);
        cairo_move_to(cr, 12, tip_y);
        cairo_curve_to(cr, 22, 104, 58, 106, 78.5, 104);
        cairo_curve_to(cr, 99, 106, 135, 104, 145, tip_y);
    };
    if (under) {
        for (int k = 0; k < 3; ++k) {
            limbs();
            cairo_set_line_width(cr, 18 - k * 5);
            Gen_SetColor(cr, {0, 0, 0}, 0.12);
            cairo_stroke(cr);
        }
        return;
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 12, tip_y);
    cairo_line_to(cr, 78.5, nock);
    cairo_line_to(cr, 145, tip_y);
    cairo_set_line_width(cr, 2.2);
    Gen_SetColor(cr, {0.2, 0.15, 0.1}, 0.8);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    Gen_SetColor(cr, {1, 0.97, 0.85}, 1);
    cairo_stroke(cr);
    limbs();
    cairo_set_line_width(cr, 10);
    Gen_SetColor(cr, {0.16, 0.08, 0.03});
    cairo_stroke(cr);
    limbs();
    cairo_set_line_width(cr, 7);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 60, 0, 110);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 0.62, 0.3);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.45, 0.25, 0.1);
    cairo_set_source(cr, p);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    limbs();
    cairo_set_line_width(cr, 2);
    Gen_SetColor(cr, {1, 0.9, 0.6}, 0.6);
    cairo_stroke(cr);
    for (int side = -1; side <= 1; side += 2) { // brass tips
        Gen_Sphere(cr, 78.5 + side * 66.5, tip_y, 4.5, {0.95, 0.75, 0.3});
    }
    Gen_Sphere(cr, 78.5, nock, 3, {0.9, 0.85, 0.7});
}

void Base(cairo_t* cr) {
    Gen_SetColor(cr, {0.08, 0.06, 0.05});
    cairo_arc(cr, 60, 60, 52, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(20, 15, 100, 105);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.95, 0.8, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.62, 0.45, 0.2);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.35, 0.22, 0.1);
    cairo_arc(cr, 60, 60, 49, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Gen_SetColor(cr, {0.12, 0.09, 0.07});
    cairo_arc(cr, 60, 60, 40, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_t* q = cairo_pattern_create_radial(52, 50, 4, 60, 60, 38);
    cairo_pattern_add_color_stop_rgb(q, 0, 0.45, 0.42, 0.45);
    cairo_pattern_add_color_stop_rgb(q, 1, 0.18, 0.17, 0.2);
    cairo_arc(cr, 60, 60, 37, 0, 2 * M_PI);
    cairo_set_source(cr, q);
    cairo_fill(cr);
    cairo_pattern_destroy(q);
    for (int k = 0; k < 12; ++k) // rivets on the brass ring
        Gen_Sphere(cr, 60 + 44.5 * std::cos(k * M_PI / 6), 60 + 44.5 * std::sin(k * M_PI / 6), 2.6,
                   {0.95, 0.85, 0.55});
}

// The stock the pearls lie on, pointing down (+y) to the muzzle.
void Stock(cairo_t* cr) {
    Gen_RoundRectPath(cr, 62, 22, 33, 118, 12);
    Gen_SetColor(cr, {0.12, 0.06, 0.02});
    cairo_fill(cr);
    Gen_RoundRectPath(cr, 64.5, 24.5, 28, 113, 10);
    cairo_pattern_t* p = cairo_pattern_create_linear(64, 0, 93, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.38, 0.2, 0.08);
    cairo_pattern_add_color_stop_rgb(p, 0.35, 0.72, 0.45, 0.2);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.3, 0.15, 0.06);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Gen_RoundRectPath(cr, 71.5, 28, 14, 100, 7); // the groove the pearls sit in
    Gen_SetColor(cr, {0.18, 0.09, 0.03});
    cairo_fill(cr);
    for (double y : {34.0, 124.0}) { // brass bands
        cairo_rectangle(cr, 63, y, 31, 6);
        Gen_SetColor(cr, {0.9, 0.7, 0.3});
        cairo_fill(cr);
    }
    Gen_RoundRectPath(cr, 66, 128, 25, 12, 5);
    Gen_SetColor(cr, {0.85, 0.65, 0.25});
    cairo_fill(cr);
}

// Fixed parts over the pearls: side clamps of the groove and the front sight.
void Top(cairo_t* cr) {
    for (int side = -1; side <= 1; side += 2) {
        Gen_RoundRectPath(cr, 78.5 + side * 15 - 4, 84, 8, 16, 3);
        Gen_SetColor(cr, {0.25, 0.15, 0.05});
        cairo_fill(cr);
        Gen_RoundRectPath(cr, 78.5 + side * 15 - 3, 85, 6, 14, 2.5);
        Gen_SetColor(cr, {0.95, 0.78, 0.4});
        cairo_fill(cr);
    }
    Gen_Ring(cr, 78.5, 134, 6, 3, {0.2, 0.12, 0.05}, 1);
    Gen_Ring(cr, 78.5, 134, 6, 1.8, {1, 0.85, 0.45}, 1);
    Gen_Sphere(cr, 78.5, 104, 5, {0.2, 0.75, 0.95});
}

void Gun_Image(const Manifest_Entry& e, Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    if (Ends(e.name, "\\00.png")) return Base(cr);
    if (Ends(e.name, "\\02.png")) return Stock(cr);
    if (Ends(e.name, "\\10.png")) return Top(cr);
    bool top = Ends(e.name, "\\11.png"); // 01.png is the shadow under the bow
    for (int f = 0; f < e.frames; ++f) {
        c.Cell(e, f);
        Bow(c.cr, f, e.frames, !top);
    }
}

void Pointer(const Manifest_Entry& e, cairo_t* cr) {
    const double cx = 16, cy = 16;
    int colour = -1;
    Gen_Rgb c = {1, 1, 1};
    if (e.name.find("pointer_0") != std::string::npos) {
        colour = e.name[e.name.size() - 5] - '0';
        c = Gen_PearlColor(colour);
    }
    if (Ends(e.name, "fireball.png")) c = {1, 0.45, 0.05};
    Gen_Glow(cr, cx, cy, 16, Gen_Mix(c, {1, 1, 1}, 0.4), 0.45);
    Gen_Ring(cr, cx, cy, 10, 4.5, {0.05, 0.05, 0.08}, 0.8);
    Gen_Ring(cr, cx, cy, 10, 2.5, Gen_Mix(c, {1, 1, 1}, 0.25), 1);
    cairo_new_path(cr);
    cairo_move_to(cr, cx + 16, cy);
    cairo_line_to(cr, cx + 8, cy - 5);
    cairo_line_to(cr, cx + 8, cy + 5);
    cairo_close_path(cr);
    Gen_SetColor(cr, {1, 1, 1}, 1);
    cairo_fill(cr);
    if (colour >= 0) {
        Gen_SymbolPath(cr, cx, cy, 4.5, colour);
        Gen_SetColor(cr, {1, 1, 1}, 1);
        cairo_fill(cr);
    } else if (Ends(e.name, "joker.png")) {
        for (int k = 0; k < 6; ++k)
            Gen_Glow(cr, cx + 5 * std::cos(k * M_PI / 3), cy + 5 * std::sin(k * M_PI / 3), 3,
                     Gen_PearlColor(k), 1);
    } else {
        Gen_Glow(cr, cx, cy, 6, {1, 0.9, 0.4}, 1);
    }
}

// Hammer head and handle, rocked by `swing` radians; `glint` 0..1 sweeps a shine across the
// head (-1 for none).
void Hammer(cairo_t* cr, double cx, double cy, double s, double swing, Gen_Rgb head, Gen_Rgb handle,
            double glint) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy + s * 0.32);
    cairo_rotate(cr, -0.55 + swing);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) { // outline, then the wood
        cairo_set_line_width(cr, s * (pass ? 0.09 : 0.14));
        Gen_SetColor(cr, pass ? handle : Gen_Rgb{0.1, 0.06, 0.03});
        cairo_move_to(cr, 0, s * 0.05);
        cairo_line_to(cr, 0, -s * 0.6);
        cairo_stroke(cr);
    }
    double hx = -s * 0.34, hy = -s * 0.84, hw = s * 0.68, hh = s * 0.3;
    Gen_RoundRectPath(cr, hx - 2, hy - 2, hw + 4, hh + 4, s * 0.08);
    Gen_SetColor(cr, {0.08, 0.07, 0.06});
    cairo_fill(cr);
    Gen_RoundRectPath(cr, hx, hy, hw, hh, s * 0.06);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, hy, 0, hy + hh);
    Gen_Rgb hi = Gen_Mix(head, {1, 1, 1}, 0.55), lo = Gen_Mix(head, {0, 0, 0}, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 0.45, head.r, head.g, head.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int side = -1; side <= 1; side += 2) { // bands at both faces
        cairo_rectangle(cr, side < 0 ? hx + hw * 0.1 : hx + hw * 0.82, hy, hw * 0.08, hh);
        Gen_SetColor(cr, Gen_Mix(head, {0, 0, 0}, 0.35), 0.8);
        cairo_fill(cr);
    }
    if (glint >= 0) {
        Gen_RoundRectPath(cr, hx, hy, hw, hh, s * 0.06);
        cairo_save(cr);
        cairo_clip(cr);
        double gx = hx - hw * 0.3 + glint * hw * 1.6;
        cairo_move_to(cr, gx, hy);
        cairo_line_to(cr, gx + hw * 0.12, hy);
        cairo_line_to(cr, gx - hw * 0.05, hy + hh);
        cairo_line_to(cr, gx - hw * 0.17, hy + hh);
        cairo_close_path(cr);
        Gen_SetColor(cr, {1, 1, 1}, 0.6);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

// One eighth of the charge ring round the hammer icon: an arc about the ring's centre, drawn in
// the 24 x 24 cell whose top left corner is on screen at (x, y).
void Fill_Segment(cairo_t* cr, int i) {
    static const int at[8][2] = {{754, 50},  {768, 78}, {754, 107}, {725, 123},
                                 {697, 106}, {684, 78}, {697, 51},  {724, 40}};
    const double ring_x = 738, ring_y = 92, r = 41;
    double cx = ring_x - at[i][0], cy = ring_y - at[i][1];
    double a = std::atan2(at[i][1] + 12 - ring_y, at[i][0] + 12 - ring_x);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double widths[3] = {9, 6, 2.5};
    const Gen_Rgb colours[3] = {{1, 0.6, 0.1}, {1, 0.82, 0.3}, {1, 1, 0.85}};
    for (int k = 0; k < 3; ++k) {
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r, a - 0.3, a + 0.3);
        cairo_set_line_width(cr, widths[k]);
        Gen_SetColor(cr, colours[k], k ? 1 : 0.5);
        cairo_stroke(cr);
    }
}

void Hammer_Image(const Manifest_Entry& e, Gen_Canvas& c) {
    size_t fill = e.name.find("hammer_fill_");
    if (fill != std::string::npos) return Fill_Segment(c.cr, std::clamp(e.name[fill + 12] - '0', 0, 7));
    int level = std::clamp(e.name[e.name.find("hammer") + 6] - '1', 0, 2);
    static const Gen_Rgb heads[3] = {{0.6, 0.55, 0.5}, {0.72, 0.78, 0.88}, {0.98, 0.78, 0.25}};
    static const Gen_Rgb glows[3] = {{1, 0.85, 0.5}, {0.6, 0.85, 1}, {1, 0.7, 0.2}};
    bool gray = Ends(e.name, "_gray.png");
    double s = e.frame_w;
    for (int f = 0; f < e.frames; ++f) {
        c.Cell(e, f);
        double t = static_cast<double>(f) / std::max(e.frames, 1);
        if (gray) {
            Hammer(c.cr, s / 2, s / 2, s * 0.78, 0, {0.42, 0.42, 0.42}, {0.3, 0.3, 0.3}, -1);
            continue;
        }
        Gen_Glow(c.cr, s / 2, s / 2, s / 2, glows[level], 0.3 + 0.2 * std::cos(2 * M_PI * t));
        Hammer(c.cr, s / 2, s / 2, s * 0.78, 0.2 * std::sin(2 * M_PI * t), heads[level], {0.55, 0.33, 0.13},
               t);
        if (level == 2)
            Gen_Star(c.cr, s * 0.3, s * 0.25, s * 0.12 * (1 + std::sin(2 * M_PI * t)), s * 0.02, 4, 0,
                     {1, 1, 0.9}, 0.9);
    }
}
} // namespace

void Gen_GunPicture(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 78.5 - 60, 78.5 - 60);
    Base(cr);
    cairo_restore(cr);
    Bow(cr, 0, GUN_PICTURE_FRAMES, true);
    Stock(cr);
    Bow(cr, 0, GUN_PICTURE_FRAMES, false);
    Top(cr);
}

void Gen_DrawGun(const Manifest_Entry& e, Gen_Canvas& c) {
    if (e.name.find("\\Hammer\\") != std::string::npos) return Hammer_Image(e, c);
    if (e.name.find("pointer_") != std::string::npos) return Pointer(e, c.cr);
    Gun_Image(e, c);
}
