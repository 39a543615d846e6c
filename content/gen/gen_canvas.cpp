// Drawing surface and shared shapes of the content generator.
#include "content/gen/gen_canvas.h"
#include <algorithm>
#include <cmath>
#include <cstring>

Gen_Rgb Gen_Mix(Gen_Rgb a, Gen_Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Gen_Rgb Gen_Rgb255(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

Gen_Rng::Gen_Rng(const std::string& seed) {
    uint32_t h = 2166136261u; // FNV-1a
    for (unsigned char c : seed)
        h = (h ^ c) * 16777619u;
    s = h ? h : 0x9e3779b9u;
}

uint32_t Gen_Rng::Bits() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
}

double Gen_Rng::Next() {
    return (Bits() >> 8) / 16777216.0;
}
double Gen_Rng::Range(double lo, double hi) {
    return lo + (hi - lo) * Next();
}
int Gen_Rng::Int(int lo, int hi) {
    return lo + static_cast<int>(Next() * (hi - lo + 1));
}

Gen_Canvas::Gen_Canvas(int width, int height) : w(width), h(height) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr = cairo_create(surface);
}

Gen_Canvas::~Gen_Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

void Gen_Canvas::Cell(const Manifest_Entry& e, int frame) {
    Whole();
    int cols = std::max(e.columns, 1);
    double x = (frame % cols) * e.frame_w, y = (frame / cols) * e.frame_h;
    cairo_rectangle(cr, x, y, e.frame_w, e.frame_h);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
}

void Gen_Canvas::Whole() {
    cairo_reset_clip(cr);
    cairo_identity_matrix(cr);
}

void Gen_Canvas::To_Rgba(std::vector<uint8_t>& out) const {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    out.resize(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        uint8_t* o = &out[static_cast<size_t>(y) * w * 4];
        for (int x = 0; x < w; ++x, o += 4) {
            uint32_t p = row[x];
            uint32_t a = p >> 24;
            uint32_t c[3] = {(p >> 16) & 255, (p >> 8) & 255, p & 255};
            for (int k = 0; k < 3; ++k)
                o[k] = a ? static_cast<uint8_t>(std::min<uint32_t>(255, (c[k] * 255 + a / 2) / a)) : 0;
            o[3] = static_cast<uint8_t>(a);
        }
    }
}

void Gen_SetColor(cairo_t* cr, Gen_Rgb c, double a) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, a);
}

void Gen_RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void Gen_Sphere(cairo_t* cr, double cx, double cy, double r, Gen_Rgb c) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r);
    Gen_Rgb light = Gen_Mix(c, {1, 1, 1}, 0.55), dark = Gen_Mix(c, {0, 0, 0}, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(p, 0.45, c.r, c.g, c.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Gen_Glow(cr, cx - r * 0.35, cy - r * 0.4, r * 0.35, {1, 1, 1}, 0.8);
}

void Gen_Glow(cairo_t* cr, double cx, double cy, double r, Gen_Rgb c, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.4, c.r, c.g, c.b, alpha * 0.5);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Gen_Ring(cairo_t* cr, double cx, double cy, double r, double width, Gen_Rgb c, double alpha) {
    Gen_SetColor(cr, c, alpha);
    cairo_set_line_width(cr, width);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_stroke(cr);
}

void Gen_Star(cairo_t* cr, double cx, double cy, double r_out, double r_in, int n, double turn, Gen_Rgb c,
              double alpha) {
    cairo_new_path(cr);
    for (int i = 0; i < 2 * n; ++i) {
        double a = turn + i * M_PI / n - M_PI / 2, r = i % 2 ? r_in : r_out;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    Gen_SetColor(cr, c, alpha);
    cairo_fill(cr);
}

void Gen_Panel(cairo_t* cr, double x, double y, double w, double h, double radius, Gen_Rgb top,
               Gen_Rgb bottom, Gen_Rgb border) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    Gen_RoundRectPath(cr, x + 2, y + 2, w - 4, h - 4, radius);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 4);
    Gen_SetColor(cr, border);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, x + 7, y + 7, w - 14, h - 14, std::max(radius - 5, 1.0));
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, Gen_Mix(border, {1, 1, 1}, 0.5), 0.7);
    cairo_stroke(cr);
}

void Gen_Button(cairo_t* cr, double w, double h, const std::string& state, Gen_Rgb base, bool round) {
    Gen_Rgb face = base;
    double inset = 2;
    if (state == "hovered") face = Gen_Mix(base, {1, 1, 1}, 0.3);
    if (state == "pressed") face = Gen_Mix(base, {0, 0, 0}, 0.3), inset = 3;
    if (state == "disabled") face = Gen_Mix(base, {0.5, 0.5, 0.5}, 0.8);
    double r = round ? std::min(w, h) / 2 - inset : std::min(w, h) * 0.3;
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    Gen_Rgb hi = Gen_Mix(face, {1, 1, 1}, state == "pressed" ? 0.05 : 0.35),
            lo = Gen_Mix(face, {0, 0, 0}, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    Gen_RoundRectPath(cr, inset, inset, w - 2 * inset, h - 2 * inset, r);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 2);
    Gen_SetColor(cr, state == "hovered" ? Gen_Rgb{1, 0.9, 0.55} : Gen_Mix(face, {0, 0, 0}, 0.6));
    cairo_stroke(cr);
}

void Gen_Backdrop(cairo_t* cr, int w, int h, Gen_Rgb top, Gen_Rgb bottom, Gen_Rgb blotch, Gen_Rng& rng,
                  int blotches) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int i = 0; i < blotches; ++i)
        Gen_Glow(cr, rng.Range(0, w), rng.Range(0, h), rng.Range(20, 140), blotch, rng.Range(0.05, 0.25));
    cairo_pattern_t* v = cairo_pattern_create_radial(w / 2.0, h / 2.0, h * 0.35, w / 2.0, h / 2.0, w * 0.7);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.55);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, v);
    cairo_fill(cr);
    cairo_pattern_destroy(v);
}
