// The main menu's overlay layers: the stone portal with the game's title and its glowing
// gateway, the tree that frames the left side, and the mist strip that scrolls across the
// sky and must join seamlessly end to end.
#include <cmath>
#include "content/gen/gen_groups.h"
#include "content/gen/gen_menu_art.h"
#include "content/gen/gen_text.h"
#include "content/gen/gen_ui_art.h"

namespace {
const double kCx = 350.5, kArchY = 352, kInner = 118.5, kOuter = 162;

void Portal_Path(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_arc(cr, kCx, kArchY, kOuter, M_PI, 2 * M_PI); // the arch and its pillars
    cairo_line_to(cr, kCx + kOuter, 478);
    cairo_line_to(cr, kCx + kInner, 478);
    cairo_line_to(cr, kCx + kInner, kArchY);
    cairo_arc_negative(cr, kCx, kArchY, kInner, 2 * M_PI, M_PI);
    cairo_line_to(cr, kCx - kInner, 478);
    cairo_line_to(cr, kCx - kOuter, 478);
    cairo_close_path(cr);
    cairo_rectangle(cr, kCx - kOuter - 14, 470, 2 * kOuter + 28, 18); // two steps
    cairo_rectangle(cr, kCx - kOuter - 30, 486, 2 * kOuter + 60, 20);
}

// Stone colour: wedge-shaped voussoirs in the arch, courses of blocks in the pillars.
Gen_Rgb Portal_Stone(double x, double y) {
    double dx = x - kCx, dy = y - kArchY, r = std::hypot(dx, dy);
    Gen_Rgb s;
    if (dy < 0 && r > kInner - 2) {
        double a = std::atan2(-dy, dx) / M_PI; // 0..1 across the arch
        s = Gen_StoneAt(a * 17 * 40, r - kInner + 0.01, 40, 22, 60, 0);
        double key = Gen_Step(0.035, 0.02, std::fabs(a - 0.5));
        s = Gen_Mix(s, {0.78, 0.74, 0.66}, key * 0.5); // the keystone
    } else if (y < 470) {
        s = Gen_StoneAt(x, y - kArchY, 44, 24, 61, 0);
    } else {
        s = Gen_StoneAt(x * 0.5, y - 470, 60, 17, 62, -0.05);
    }
    double moss = Gen_Step(0.55, 0.7, Gen_Fbm(x / 30, y / 30, 4, 63)) * Gen_Step(380, 500, y);
    s = Gen_Mix(s, Gen_Mix({0.2, 0.38, 0.1}, {0.4, 0.55, 0.15}, Gen_Noise(x / 3, y / 3, 64)), moss * 0.75);
    // Warm light from the gateway on the inner faces, cool shade on the outer ones.
    double glow = std::exp(-std::fabs(r - kInner) / 30) * (dy < 0 || std::fabs(dx) < kInner + 30 ? 1 : 0);
    s = Gen_Mix(s, {1, 0.9, 0.7}, glow * 0.25);
    return Gen_Mix(s, {0.1, 0.1, 0.25}, Gen_Step(kInner + 10, kOuter + 20, std::fabs(dx)) * 0.3);
}

void Gateway(cairo_t* cr) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, kCx, kArchY, kInner, M_PI, 2 * M_PI);
    cairo_line_to(cr, kCx + kInner, 470);
    cairo_line_to(cr, kCx - kInner, 470);
    cairo_close_path(cr);
    cairo_clip(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(kCx, 380, 10, kCx, 380, 190);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.92, 0.85);
    cairo_pattern_add_color_stop_rgba(p, 0.35, 0.75, 0.92, 1, 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.4, 0.55, 0.95, 0.25);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    for (int k = 0; k < 14; ++k) { // a slow swirl of light bands
        double a0 = k * 2 * M_PI / 14;
        cairo_new_path(cr);
        for (int i = 0; i <= 40; ++i) {
            double t = i / 40.0, a = a0 + t * 2.6, rr = 6 + t * 150;
            cairo_line_to(cr, kCx + rr * std::cos(a), 380 + rr * 0.8 * std::sin(a));
        }
        cairo_set_line_width(cr, 9 + 5 * std::sin(k * 2.3));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        Gen_SetColor(cr, {1, 1, 1}, 0.05);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void Plaque(cairo_t* cr, bool title) {
    const double x = kCx - 150, y = 150, w = 300, h = 74;
    Gen_RoundRectPath(cr, x + 3, y + 5, w, h, 14);
    Gen_SetColor(cr, {0, 0, 0}, 0.4);
    cairo_fill(cr);
    Gen_RoundRectPath(cr, x, y, w, h, 14);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.72, 0.69, 0.62);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.45, 0.42, 0.38);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Gen_GoldStroke(cr, 4);
    Gen_RoundRectPath(cr, x + 9, y + 9, w - 18, h - 18, 8);
    Gen_SetColor(cr, {0.2, 0.18, 0.16}, 0.5);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (double ex : {x - 4, x + w + 4}) // gold bosses at the ends
        Gen_Sphere(cr, ex, y + h / 2, 11, {0.9, 0.68, 0.25});
    if (!title) return;
    Gen_UseFont(cr, GEN_UNCIAL, 60);
    Gen_TextCentred(cr, "Orbivale", kCx + 2, y + h / 2 + 3, {{0.12, 0.1, 0.08}, 0, 0, {0, 0, 0}});
    Gen_TextCentred(cr, "Orbivale", kCx, y + h / 2, {{1, 0.86, 0.45}, 0, 2.5, {0.4, 0.24, 0.05}});
}
} // namespace

void Menu_Portal(Gen_Canvas& c, bool title) {
    cairo_t* cr = c.cr;
    Gen_Glow(cr, kCx, 390, 230, {1, 0.95, 0.75}, 0.35);
    Gateway(cr);
    cairo_save(cr);
    cairo_translate(cr, 6, 8);
    Portal_Path(cr);
    Gen_SetColor(cr, {0, 0, 0.05}, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    Gen_Mask m(c.w, c.h);
    Portal_Path(m.cr);
    m.Fill();
    Gen_PaintMasked(c, m, Portal_Stone);
    Portal_Path(cr);
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, {0.12, 0.1, 0.1}, 0.8);
    cairo_stroke(cr);
    for (int k = 0; k < 9; ++k) { // gems set along the arch
        double a = M_PI + (k + 0.5) * M_PI / 9;
        double gx = kCx + (kInner + 21) * std::cos(a), gy = kArchY + (kInner + 21) * std::sin(a);
        if (k == 4) continue;
        Gen_Sphere(cr, gx, gy, 5, Gen_PearlColor(k % 6));
        Gen_Ring(cr, gx, gy, 5.8, 1.5, {0.85, 0.65, 0.25}, 1);
    }
    Plaque(cr, title);
}

namespace {
void Leaf(cairo_t* cr, double x, double y, double len, double ang, Gen_Rgb col) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, ang);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, len * 0.3, -len * 0.35, len * 0.75, -len * 0.3, len, 0);
    cairo_curve_to(cr, len * 0.75, len * 0.3, len * 0.3, len * 0.35, 0, 0);
    Gen_SetColor(cr, col);
    cairo_fill(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, len * 0.85, 0);
    cairo_set_line_width(cr, 0.6);
    Gen_SetColor(cr, Gen_Mix(col, {0, 0, 0}, 0.4), 0.6);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A heap of leaves round (cx, cy): dark inside, lit toward the sun on its upper right.
void Foliage(cairo_t* cr, double cx, double cy, double r, Gen_Rng& rng) {
    Gen_Glow(cr, cx, cy, r * 1.1, {0.02, 0.08, 0.02}, 0.7);
    int n = static_cast<int>(r * r / 9);
    for (int i = 0; i < n; ++i) {
        double a = rng.Range(0, 2 * M_PI), d = r * std::sqrt(rng.Next());
        double x = cx + d * std::cos(a), y = cy + d * std::sin(a) * 0.8;
        double lit = ((x - cx) * 0.6 - (y - cy)) / r * 0.5 + 0.5 * d / r;
        Gen_Rgb col = Gen_Mix({0.04, 0.16, 0.05}, {0.42, 0.62, 0.2},
                              std::clamp(lit * 0.8 + rng.Range(-0.15, 0.2), 0.0, 1.0));
        Leaf(cr, x, y, rng.Range(9, 15), rng.Range(0, 2 * M_PI), col);
    }
}

void Limb(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2, double w0,
          double w1) {
    double nx0 = -(y1 - y0), ny0 = x1 - x0, l0 = std::hypot(nx0, ny0);
    double nx1 = -(y2 - y1), ny1 = x2 - x1, l1 = std::hypot(nx1, ny1);
    nx0 /= l0, ny0 /= l0, nx1 /= l1, ny1 /= l1;
    cairo_move_to(cr, x0 + nx0 * w0, y0 + ny0 * w0);
    cairo_curve_to(cr, x1 + nx0 * (w0 + w1) / 2, y1 + ny0 * (w0 + w1) / 2, x1 + nx1 * w1, y1 + ny1 * w1,
                   x2 + nx1 * w1, y2 + ny1 * w1);
    cairo_line_to(cr, x2 - nx1 * w1, y2 - ny1 * w1);
    cairo_curve_to(cr, x1 - nx1 * w1, y1 - ny1 * w1, x1 - nx0 * (w0 + w1) / 2, y1 - ny0 * (w0 + w1) / 2,
                   x0 - nx0 * w0, y0 - ny0 * w0);
    cairo_close_path(cr);
}

void Tree_Wood(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, -20, 600); // trunk with roots
    cairo_curve_to(cr, 30, 560, 60, 520, 62, 440);
    cairo_curve_to(cr, 66, 330, 40, 250, 58, 120);
    cairo_line_to(cr, 108, 130);
    cairo_curve_to(cr, 100, 260, 118, 360, 112, 450);
    cairo_curve_to(cr, 110, 530, 150, 575, 200, 600);
    cairo_close_path(cr);
    Limb(cr, 80, 200, 120, 90, 255, 25, 15, 4);
    Limb(cr, 70, 150, 120, 60, 180, 10, 12, 4);
    Limb(cr, 100, 390, 130, 368, 165, 372, 9, 3);
    Limb(cr, 60, 230, 20, 170, -10, 140, 10, 4);
}

Gen_Rgb Bark(double x, double y) {
    double streak = Gen_Fbm(x / 4, y / 40, 4, 70), knot = Gen_Fbm(x / 20, y / 20, 3, 71);
    Gen_Rgb c = Gen_Mix({0.12, 0.08, 0.05}, {0.42, 0.32, 0.22}, streak);
    c = Gen_Mix(c, {0.06, 0.04, 0.03}, Gen_Step(0.4, 0.25, streak) * 0.8);
    c = Gen_Mix(c, {0.3, 0.4, 0.15}, Gen_Step(0.6, 0.75, knot) * 0.5); // moss
    // Rounded trunk: lit on its right where the sun is.
    double light = (Gen_Step(60, 110, x) - 0.6 * Gen_Step(115, 170, x)) * (y > 120 ? 1 : 0.5);
    return Gen_Mix(Gen_Mix(c, {0, 0, 0}, 0.35), Gen_Mix(c, {1, 0.85, 0.6}, 0.2), light);
}
} // namespace

void Menu_Tree(Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    Gen_Rng rng("tree");
    Gen_Glow(cr, 60, 120, 260, {0, 0.03, 0}, 0.5); // shade under the canopy
    Gen_Mask m(c.w, c.h);
    Tree_Wood(m.cr);
    m.Fill();
    Gen_PaintMasked(c, m, Bark);
    Tree_Wood(cr);
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, {0.05, 0.03, 0.02}, 0.8);
    cairo_stroke(cr);
    // The canopy keeps clear of the castle and its flag (x 120..260, y 95..260).
    static const double heaps[][3] = {{20, 30, 90},   {110, 10, 80}, {200, -10, 70}, {275, 15, 45},
                                      {-10, 140, 80}, {70, 120, 55}, {0, 240, 55},   {40, 310, 42},
                                      {150, 25, 55},  {330, -5, 34}, {162, 370, 28}, {5, 380, 35}};
    for (const auto& h : heaps)
        Foliage(cr, h[0], h[1], h[2], rng);
    for (int i = 0; i < 26; ++i) { // hanging strands of leaves
        double x = rng.Range(0, 330), y = rng.Range(40, 90),
               len = x > 110 && x < 270 ? rng.Range(10, 40) : rng.Range(30, 120);
        for (double t = 0; t < len; t += 6)
            Leaf(cr, x + 4 * std::sin(t / 14), y + t, rng.Range(7, 11), M_PI / 2 + rng.Range(-1.2, 1.2),
                 Gen_Mix({0.06, 0.2, 0.06}, {0.38, 0.56, 0.18}, rng.Next()));
    }
    for (int i = 0; i < 900; ++i) { // ferns and grass at the tree's foot
        double x = rng.Range(-20, 260) * std::pow(rng.Next(), 0.4),
               y = 600 - rng.Range(0, 90) * (1 - x / 300);
        double h = rng.Range(12, 40), lean = rng.Range(-0.6, 0.9);
        cairo_move_to(cr, x - 2, 602);
        cairo_curve_to(cr, x, y + h * 0.3, x + lean * h * 0.5, y, x + lean * h, y - h * 0.1);
        cairo_line_to(cr, x + 2, 602);
        Gen_SetColor(cr, Gen_Mix({0.04, 0.14, 0.03}, {0.45, 0.62, 0.2}, rng.Next() * (y < 560 ? 1 : 0.6)));
        cairo_fill(cr);
    }
}

void Menu_Fog(Gen_Canvas& c) {
    cairo_surface_flush(c.surface);
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            double n = Gen_FbmTiled(x + 0.5, y * 2.2, 150, c.w, 5, 80);
            double band =
                std::exp(-std::pow((y - 150) / 60.0, 2)) + 0.5 * std::exp(-std::pow((y - 70) / 35.0, 2));
            double edge = Gen_Step(0, 40, y) * Gen_Step(c.h, c.h - 50, y);
            double a = Gen_Step(0.38, 0.75, n) * band * edge * 0.55;
            if (a > 0.003) Gen_Over(c, x, y, Gen_Mix({0.85, 0.88, 0.95}, {1, 1, 1}, n), a);
        }
    cairo_surface_mark_dirty(c.surface);
}
