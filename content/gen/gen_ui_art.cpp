// Masks, tileable noise, stone, wood and the jewel button of the menu and dialog art.
#include "content/gen/gen_ui_art.h"
#include <algorithm>
#include <cmath>

Gen_Mask::Gen_Mask(int width, int height) : w(width), h(height) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cr = cairo_create(surface);
}

Gen_Mask::~Gen_Mask() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

void Gen_Mask::Fill() {
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
}

double Gen_Mask::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h) return 0;
    cairo_surface_flush(surface);
    const unsigned char* d = cairo_image_surface_get_data(surface);
    return d[static_cast<size_t>(y) * cairo_image_surface_get_stride(surface) + x] / 255.0;
}

void Gen_PaintMasked(Gen_Canvas& c, const Gen_Mask& m, const Gen_PixelFn& f, double alpha) {
    cairo_surface_flush(c.surface);
    cairo_surface_flush(m.surface);
    const unsigned char* d = cairo_image_surface_get_data(m.surface);
    int stride = cairo_image_surface_get_stride(m.surface);
    for (int y = 0; y < std::min(c.h, m.h); ++y)
        for (int x = 0; x < std::min(c.w, m.w); ++x) {
            double a = d[static_cast<size_t>(y) * stride + x] / 255.0 * alpha;
            if (a > 0) Gen_Over(c, x, y, f(x + 0.5, y + 0.5), a);
        }
    cairo_surface_mark_dirty(c.surface);
}

void Gen_PaintOpaque(Gen_Canvas& c, const Gen_PixelFn& f) {
    cairo_surface_flush(c.surface);
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            Gen_Over(c, x, y, f(x + 0.5, y + 0.5), 1);
    cairo_surface_mark_dirty(c.surface);
}

double Gen_FbmTiled(double x, double y, double scale, double period, int octaves, int seed) {
    // Blending the field with its copy one period away makes both ends of the strip agree.
    double t = std::fmod(x, period) / period;
    if (t < 0) t += 1;
    double xs = t * period;
    double a = Gen_Fbm(xs / scale, y / scale, octaves, seed);
    double b = Gen_Fbm((xs - period) / scale, y / scale, octaves, seed);
    double v = a * (1 - t) + b * t;
    // The blend flattens the middle; stretch the contrast back around the mean.
    double k = 1 / std::sqrt(t * t + (1 - t) * (1 - t));
    return std::clamp(0.5 + (v - 0.5) * k, 0.0, 1.0);
}

double Gen_Step(double a, double b, double v) {
    double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

Gen_Rgb Gen_StoneAt(double x, double y, double bw, double bh, int seed, double tone) {
    double row = std::floor(y / bh);
    double shift = std::fmod(row, 2) * 0.5 * bw;
    double col = std::floor((x + shift) / bw);
    double u = (x + shift) / bw - col, v = y / bh - row; // 0..1 inside the block
    double id = Gen_Noise(col * 7.3 + 0.5, row * 3.1 + 0.5, seed);
    Gen_Rgb base = Gen_Mix({0.5, 0.48, 0.45}, {0.7, 0.67, 0.6}, id);
    base = Gen_Mix(base, {0.55, 0.5, 0.42}, Gen_Noise(col + 11.5, row + 3.5, seed + 1) * 0.5);
    double grain = Gen_Fbm(x / 9, y / 9, 3, seed + 2);
    base = Gen_Mix(Gen_Mix(base, {0.2, 0.2, 0.2}, 0.35), Gen_Mix(base, {1, 1, 1}, 0.15), grain);
    // Bevel: the lit upper-left edges of a block, the shaded lower-right ones, dark mortar.
    double eu = std::min(u, 1 - u) * bw, ev = std::min(v, 1 - v) * bh;
    double edge = std::min(eu, ev);
    double lit = (v < 0.5 && ev < eu ? 1 : u < 0.5 && eu < ev ? 0.6 : -0.8) * Gen_Step(4, 0.5, edge);
    base = lit > 0 ? Gen_Mix(base, {1, 0.97, 0.9}, 0.35 * lit) : Gen_Mix(base, {0, 0, 0}, -0.4 * lit);
    base = Gen_Mix(base, {0.16, 0.15, 0.14}, Gen_Step(1.6, 0.3, edge));
    double pit = Gen_Step(0.72, 0.8, Gen_Fbm(x / 5, y / 5, 2, seed + 3));
    base = Gen_Mix(base, {0.25, 0.24, 0.22}, pit * 0.5);
    return tone >= 0 ? Gen_Mix(base, {1, 1, 1}, tone) : Gen_Mix(base, {0, 0, 0}, -tone);
}

Gen_Rgb Gen_WoodAt(double x, double y, int seed) {
    double warp = Gen_Fbm(x / 120, y / 30, 3, seed) * 6;
    double ring = std::fabs(std::sin((y + warp * 6) / 3.2 + Gen_Noise(x / 40, y / 8, seed + 1) * 3));
    double fine = Gen_Noise(x / 30, y / 1.3, seed + 2);
    Gen_Rgb c = Gen_Mix({0.2, 0.11, 0.05}, {0.42, 0.25, 0.12}, 0.35 + 0.4 * fine);
    return Gen_Mix(c, {0.14, 0.07, 0.03}, Gen_Step(0.3, 0.0, ring) * 0.6);
}

void Gen_GoldStroke(cairo_t* cr, double width) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, width + 2);
    Gen_SetColor(cr, {0.25, 0.15, 0.03});
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, width);
    Gen_SetColor(cr, {0.8, 0.6, 0.25});
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, width * 0.4);
    Gen_SetColor(cr, {1, 0.9, 0.6});
    cairo_stroke(cr);
}

void Gen_JewelButton(cairo_t* cr, double w, double h, double r, const std::string& state, Gen_Rgb face) {
    bool pressed = state == "pressed", hovered = state == "hovered", disabled = state == "disabled";
    Gen_Rgb rim_hi = {1, 0.93, 0.65}, rim_mid = {0.82, 0.62, 0.26}, rim_lo = {0.38, 0.22, 0.06};
    if (disabled) {
        face = Gen_Mix(face, {0.32, 0.32, 0.34}, 0.85);
        rim_hi = {0.72, 0.72, 0.7}, rim_mid = {0.5, 0.5, 0.49}, rim_lo = {0.25, 0.25, 0.26};
    }
    if (hovered) face = Gen_Mix(face, {0.55, 0.95, 1}, 0.3);
    if (pressed) face = Gen_Mix(face, {0, 0, 0}, 0.35);
    double m = 1.5;
    r = std::min(r, std::min(w, h) / 2 - m);
    // Drop shadow, then the gold rim lit from above.
    Gen_RoundRectPath(cr, m + 0.5, m + 1.5, w - 2 * m, h - 2 * m, r);
    Gen_SetColor(cr, {0, 0, 0}, pressed ? 0.2 : 0.45);
    cairo_fill(cr);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, m, 0, h - m);
    cairo_pattern_add_color_stop_rgb(rim, 0, rim_hi.r, rim_hi.g, rim_hi.b);
    cairo_pattern_add_color_stop_rgb(rim, 0.45, rim_mid.r, rim_mid.g, rim_mid.b);
    cairo_pattern_add_color_stop_rgb(rim, 1, rim_lo.r, rim_lo.g, rim_lo.b);
    Gen_RoundRectPath(cr, m, m, w - 2 * m, h - 2 * m - 1, r);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    // The jewel face inside the rim: deep at the bottom, a glassy highlight band on top.
    double b = std::max(3.0, std::min(w, h) * 0.09), fr = std::max(1.0, r - b);
    double fx = m + b, fy = m + b + (pressed ? 1 : 0), fw = w - 2 * (m + b), fh = h - 2 * (m + b) - 1;
    Gen_Rgb top = Gen_Mix(face, {1, 1, 1}, pressed ? 0.05 : 0.25), bottom = Gen_Mix(face, {0, 0, 0}, 0.55);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, fy, 0, fy + fh);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 0.55, face.r, face.g, face.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    Gen_RoundRectPath(cr, fx, fy, fw, fh, fr);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1.2);
    Gen_SetColor(cr, {0, 0, 0}, 0.55);
    cairo_stroke(cr);
    if (pressed) { // inner shadow under the top rim
        cairo_save(cr);
        Gen_RoundRectPath(cr, fx, fy, fw, fh, fr);
        cairo_clip(cr);
        cairo_pattern_t* s = cairo_pattern_create_linear(0, fy, 0, fy + fh * 0.4);
        cairo_pattern_add_color_stop_rgba(s, 0, 0, 0, 0, 0.55);
        cairo_pattern_add_color_stop_rgba(s, 1, 0, 0, 0, 0);
        cairo_set_source(cr, s);
        cairo_paint(cr);
        cairo_pattern_destroy(s);
        cairo_restore(cr);
    } else if (!disabled) { // the glassy band
        Gen_RoundRectPath(cr, fx + fw * 0.06, fy + 1.5, fw * 0.88, fh * 0.42, std::max(1.0, fr * 0.8));
        cairo_pattern_t* g = cairo_pattern_create_linear(0, fy, 0, fy + fh * 0.45);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, hovered ? 0.55 : 0.4);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0.03);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    if (hovered) { // light welling up from the bottom of the jewel
        cairo_save(cr);
        Gen_RoundRectPath(cr, fx, fy, fw, fh, fr);
        cairo_clip(cr);
        cairo_save(cr);
        cairo_translate(cr, w / 2, fy + fh);
        cairo_scale(cr, fw * 0.6, fh * 0.7);
        Gen_Glow(cr, 0, 0, 1, {0.7, 1, 1}, 0.55);
        cairo_restore(cr);
        cairo_restore(cr);
    }
    // Fine bright line along the top of the rim.
    Gen_RoundRectPath(cr, m + 1, m + 1, w - 2 * m - 2, h - 2 * m - 3, std::max(1.0, r - 1));
    cairo_set_line_width(cr, 1);
    Gen_SetColor(cr, {1, 1, 1}, disabled ? 0.15 : hovered ? 0.6 : 0.35);
    cairo_stroke(cr);
}
