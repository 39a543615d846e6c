// Shared pieces of the large dialog pictures: metal, gems, sparkles, rays and colour ramps.
#include "content/gen/gen_dialog_kit.h"
#include <cmath>

const Dlg_Metal kDlgGold = {{0.45, 0.26, 0.04}, {0.92, 0.68, 0.2}, {1, 0.95, 0.7}};
const Dlg_Metal kDlgSilver = {{0.3, 0.33, 0.4}, {0.72, 0.76, 0.84}, {1, 1, 1}};
const Dlg_Metal kDlgBronze = {{0.28, 0.14, 0.05}, {0.7, 0.42, 0.18}, {1, 0.8, 0.55}};
const Dlg_Metal kDlgIron = {{0.06, 0.06, 0.08}, {0.22, 0.22, 0.26}, {0.62, 0.64, 0.7}};

void Dlg_FillRamp(cairo_t* cr, double x0, double y0, double x1, double y1,
                  std::initializer_list<Dlg_Stop> stops, bool keep) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    for (const Dlg_Stop& s : stops)
        cairo_pattern_add_color_stop_rgb(p, s.at, s.c.r, s.c.g, s.c.b);
    cairo_set_source(cr, p);
    if (keep)
        cairo_fill_preserve(cr);
    else
        cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Dlg_FillMetal(cairo_t* cr, const Dlg_Metal& m, double x0, double y0, double x1, double y1, bool keep) {
    // Two bright bands and a dark one between them, as a curved polished surface reflects.
    Dlg_FillRamp(cr, x0, y0, x1, y1,
                 {{0, m.dark},
                  {0.16, m.mid},
                  {0.32, m.light},
                  {0.46, m.mid},
                  {0.68, m.dark},
                  {0.86, m.mid},
                  {1, Gen_Mix(m.mid, m.light, 0.5)}},
                 keep);
}

void Dlg_Outline(cairo_t* cr, double width, double alpha) {
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Gen_SetColor(cr, {0.1, 0.05, 0.02}, alpha);
    cairo_stroke(cr);
}

void Dlg_Gem(cairo_t* cr, double cx, double cy, double r, Gen_Rgb c) {
    Gen_Glow(cr, cx, cy, r * 1.9, c, 0.45);
    const int n = 8;
    for (int i = 0; i < n; ++i) { // the crown facets, lit from the upper left
        double a0 = i * 2 * M_PI / n, a1 = (i + 1) * 2 * M_PI / n, mid = (a0 + a1) / 2;
        double lit = 0.5 + 0.5 * std::cos(mid + 2.3);
        cairo_move_to(cr, cx + r * std::cos(a0), cy + r * std::sin(a0));
        cairo_line_to(cr, cx + r * std::cos(a1), cy + r * std::sin(a1));
        cairo_line_to(cr, cx + r * 0.55 * std::cos(a1), cy + r * 0.55 * std::sin(a1));
        cairo_line_to(cr, cx + r * 0.55 * std::cos(a0), cy + r * 0.55 * std::sin(a0));
        cairo_close_path(cr);
        Gen_SetColor(cr, Gen_Mix(Gen_Mix(c, {0, 0, 0}, 0.55), Gen_Mix(c, {1, 1, 1}, 0.35), lit));
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    for (int i = 0; i < n; ++i)
        cairo_line_to(cr, cx + r * 0.55 * std::cos(i * 2 * M_PI / n),
                      cy + r * 0.55 * std::sin(i * 2 * M_PI / n));
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.2, cy - r * 0.25, 0, cx, cy, r * 0.6);
    Gen_Rgb hi = Gen_Mix(c, {1, 1, 1}, 0.55), lo = Gen_Mix(c, {0, 0, 0}, 0.1);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_set_line_width(cr, std::max(0.8, r * 0.08));
    Gen_SetColor(cr, Gen_Mix(c, {0, 0, 0}, 0.7), 0.9);
    cairo_stroke(cr);
    Gen_Star(cr, cx - r * 0.35, cy - r * 0.38, r * 0.6, r * 0.08, 4, 0, {1, 1, 1}, 0.9);
}

void Dlg_Sparkle(cairo_t* cr, double x, double y, double r, double alpha) {
    Gen_Glow(cr, x, y, r * 1.2, {1, 0.95, 0.75}, 0.5 * alpha);
    Gen_Star(cr, x, y, r, r * 0.1, 4, 0, {1, 1, 0.92}, alpha);
    Gen_Star(cr, x, y, r * 0.5, r * 0.08, 4, M_PI / 4, {1, 1, 1}, 0.8 * alpha);
}

void Dlg_Rays(cairo_t* cr, double cx, double cy, double r, int n, double turn, Gen_Rgb c, double alpha) {
    cairo_save(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    for (int i = 0; i < n; ++i) {
        double a = turn + i * 2 * M_PI / n, half = M_PI / n * (0.35 + 0.25 * ((i * 7) % 3) / 2.0);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + r * std::cos(a - half), cy + r * std::sin(a - half));
        cairo_line_to(cr, cx + r * std::cos(a + half), cy + r * std::sin(a + half));
        cairo_close_path(cr);
    }
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void Dlg_Vignette(cairo_t* cr, double w, double h, double alpha) {
    cairo_pattern_t* v = cairo_pattern_create_radial(w / 2, h / 2, h * 0.42, w / 2, h / 2, h * 0.95);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0.04, 0.02, 0.06, alpha);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, v);
    cairo_fill(cr);
    cairo_pattern_destroy(v);
}

Gen_Rgb Dlg_Ramp(const Gen_Rgb* c, const double* at, int n, double v) {
    if (v <= at[0]) return c[0];
    for (int i = 1; i < n; ++i)
        if (v <= at[i]) return Gen_Mix(c[i - 1], c[i], (v - at[i - 1]) / (at[i] - at[i - 1]));
    return c[n - 1];
}

void Dlg_Spot(cairo_t* cr, double cx, double cy, double rx, double ry, Gen_Rgb c, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}
