// Grounds and bridges of the five pack themes.
#include "content/gen/gen_board_theme.h"
#include <cmath>
#include "content/gen/gen_raster.h"

namespace {
const Gen_BoardTheme kThemes[5] = {
    {{0.7, 0.66, 0.58}, {0.12, 0.1, 0.08}, {0.17, 0.14, 0.11}, {0.9, 0.85, 0.6}, 0.08},
    {{0.86, 0.78, 0.62}, {0.02, 0.08, 0.12}, {0.04, 0.12, 0.17}, {0.6, 0.95, 1}, 0.2},
    {{0.88, 0.94, 1.0}, {0.1, 0.2, 0.36}, {0.15, 0.28, 0.46}, {0.8, 0.95, 1}, 0.25},
    {{0.16, 0.13, 0.13}, {0.03, 0.02, 0.02}, {0.07, 0.04, 0.03}, {1, 0.45, 0.1}, 0.5},
    {{0.92, 0.74, 0.3}, {0.24, 0.07, 0.28}, {0.34, 0.11, 0.4}, {1, 0.85, 0.5}, 0.25},
};

double Smoothstep(double a, double b, double v) {
    double t = (v - a) / (b - a);
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return t * t * (3 - 2 * t);
}

// Distances to the nearest and second nearest cell point of a jittered grid (cells of 1).
void Cells(double x, double y, int seed, double& f1, double& f2) {
    f1 = f2 = 9;
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            double px = ix + i + Gen_Noise(ix + i + 0.5, iy + j + 0.5, seed) * 0.9;
            double py = iy + j + Gen_Noise(ix + i + 0.5, iy + j + 0.5, seed + 1) * 0.9;
            double d = std::hypot(px - x, py - y);
            if (d < f1)
                f2 = f1, f1 = d;
            else if (d < f2)
                f2 = d;
        }
}

Gen_Rgb Meadow(double x, double y, int s) {
    double n = Gen_Fbm(x / 140, y / 140, 4, s), blade = Gen_Noise(x / 2.2, y / 5.5, s + 9);
    Gen_Rgb c = Gen_Mix({0.2, 0.36, 0.1}, {0.48, 0.64, 0.22}, Smoothstep(0.25, 0.75, n));
    c = Gen_Mix(c, Gen_Mix(c, {0, 0, 0}, 0.35), blade * 0.5);
    double dirt = Smoothstep(0.62, 0.7, Gen_Fbm(x / 90 + 40, y / 90, 3, s + 3));
    c = Gen_Mix(c, Gen_Mix({0.42, 0.34, 0.22}, {0.52, 0.44, 0.3}, blade), dirt * 0.85);
    double paving = Smoothstep(0.6, 0.64, Gen_Fbm(x / 160 + 9, y / 160 + 4, 3, s + 5));
    if (paving > 0) { // old flagstones with moss in the joints
        double f1, f2;
        Cells(x / 34, y / 34, s + 7, f1, f2);
        double joint = Smoothstep(0.04, 0.1, f2 - f1);
        Gen_Rgb stone = Gen_Mix({0.5, 0.48, 0.42}, {0.68, 0.65, 0.58}, Gen_Noise(x / 9, y / 9, s + 8));
        stone = Gen_Mix({0.25, 0.33, 0.15}, stone, joint);
        c = Gen_Mix(c, stone, paving);
    }
    return c;
}

Gen_Rgb Shore(double x, double y, int s, double dir) {
    double d =
        (x * std::cos(dir) + y * std::sin(dir)) / 900 + 0.35 + 0.25 * (Gen_Fbm(x / 160, y / 160, 4, s) - 0.5);
    double grain = Gen_Noise(x / 1.7, y / 1.7, s + 4);
    if (d < 0.3) return Gen_Mix({0.86, 0.76, 0.55}, {0.95, 0.88, 0.68}, grain * 0.6 + 0.2);
    Gen_Rgb wet = Gen_Mix({0.66, 0.56, 0.38}, {0.72, 0.62, 0.44}, grain);
    Gen_Rgb shallow = {0.15, 0.68, 0.72}, deep = {0.03, 0.2, 0.45};
    Gen_Rgb water = Gen_Mix(shallow, deep, Smoothstep(0.34, 0.95, d));
    double f1, f2;
    Cells(x / 38 + Gen_Noise(x / 60, y / 60, s) * 0.6, y / 38, s + 2, f1, f2);
    water = Gen_Mix(water, {0.75, 0.97, 1},
                    Smoothstep(0.12, 0.0, f2 - f1) * (1 - Smoothstep(0.3, 0.8, d)) * 0.45);
    if (d < 0.33) return Gen_Mix(wet, water, Smoothstep(0.3, 0.33, d) * 0.5);
    double foam =
        Smoothstep(0.345, 0.335, d) + Smoothstep(0.37, 0.36, d) * 0.4 * Gen_Noise(x / 6, y / 6, s + 6);
    return Gen_Mix(water, {0.95, 0.98, 1}, std::min(1.0, foam));
}

Gen_Rgb Snow(double x, double y, int s, double lx, double ly) {
    double n = Gen_Fbm(x / 120, y / 120, 4, s);
    Gen_Rgb c = Gen_Mix({0.72, 0.8, 0.92}, {0.96, 0.98, 1}, Smoothstep(0.3, 0.7, n));
    if (Gen_Noise(x * 0.9, y * 0.9, s + 3) > 0.985) c = {1, 1, 1};
    double e = std::hypot((x - lx) / 300, (y - ly) / 200) + 0.25 * (Gen_Fbm(x / 80, y / 80, 3, s + 1) - 0.5);
    if (e < 1) { // the frozen lake: clear ice with white cracks
        double f1, f2;
        Cells(x / 70, y / 70, s + 4, f1, f2);
        Gen_Rgb ice =
            Gen_Mix({0.38, 0.62, 0.8}, {0.62, 0.84, 0.94}, Gen_Fbm(x / 50 + y / 200, y / 25, 3, s + 5));
        ice = Gen_Mix(ice, {0.92, 0.97, 1}, Smoothstep(0.05, 0.0, f2 - f1) * 0.8);
        c = Gen_Mix(ice, {0.95, 0.98, 1}, Smoothstep(0.88, 1.0, e));
    }
    return c;
}

Gen_Rgb Basalt(double x, double y, int s) {
    double f1, f2;
    Cells(x / 75, y / 75, s, f1, f2);
    double edge = f2 - f1;
    Gen_Rgb rock = Gen_Mix({0.22, 0.19, 0.18}, {0.42, 0.36, 0.33}, Gen_Fbm(x / 20, y / 20, 3, s + 1));
    rock = Gen_Mix(rock, Gen_Mix(rock, {0, 0, 0}, 0.5), f1 * 0.5); // cells darken toward their rims
    double glow = Smoothstep(0.12, 0.0, edge), core = Smoothstep(0.03, 0.0, edge);
    Gen_Rgb c = Gen_Mix(rock, {0.7, 0.15, 0.02}, glow * 0.7);
    c = Gen_Mix(c, {1, 0.75, 0.25}, core);
    double pool = Smoothstep(0.68, 0.72, Gen_Fbm(x / 130 + 3, y / 130, 3, s + 2));
    if (pool > 0) {
        double crust = Gen_Fbm(x / 14, y / 14, 3, s + 3);
        Gen_Rgb lava = Gen_Mix({1, 0.9, 0.4}, {0.85, 0.22, 0.02}, Smoothstep(0.3, 0.6, crust));
        lava = Gen_Mix(lava, {0.2, 0.06, 0.03}, Smoothstep(0.62, 0.7, crust));
        c = Gen_Mix(c, lava, pool);
    }
    return c;
}

Gen_Rgb Marble(double x, double y, int s) {
    double w = Gen_Fbm(x / 170, y / 170, 5, s);
    double v = std::fabs(std::sin((x * 0.7 + y * 0.45) / 55 + 7 * w));
    Gen_Rgb c = Gen_Mix({0.82, 0.78, 0.74}, {0.97, 0.95, 0.91}, Gen_Fbm(x / 60, y / 60, 3, s + 1));
    c = Gen_Mix(c, {0.5, 0.46, 0.48}, Smoothstep(0.09, 0.0, v) * 0.6);
    c = Gen_Mix(c, {0.82, 0.64, 0.25}, Smoothstep(0.025, 0.0, std::fabs(v - 0.35)) * 0.7);
    return c;
}

void Paint_Pixels(Gen_Canvas& c, int pack, int seed, Gen_Rng& rng) {
    double dir = rng.Range(0, 2 * M_PI), lx = rng.Range(250, 550), ly = rng.Range(200, 400);
    cairo_surface_flush(c.surface);
    unsigned char* data = cairo_image_surface_get_data(c.surface);
    int stride = cairo_image_surface_get_stride(c.surface);
    for (int y = 0; y < c.h; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < c.w; ++x) {
            Gen_Rgb p;
            switch (pack) {
            case 1:
                p = Shore(x, y, seed, dir);
                break;
            case 2:
                p = Snow(x, y, seed, lx, ly);
                break;
            case 3:
                p = Basalt(x, y, seed);
                break;
            case 4:
                p = Marble(x, y, seed);
                break;
            default:
                p = Meadow(x, y, seed);
                break;
            }
            auto to8 = [](double v) {
                return static_cast<uint32_t>(std::lround(std::min(1.0, std::max(0.0, v)) * 255));
            };
            row[x] = 0xff000000u | to8(p.r) << 16 | to8(p.g) << 8 | to8(p.b);
        }
    }
    cairo_surface_mark_dirty(c.surface);
}

void Flowers(cairo_t* cr, Gen_Rng& rng) {
    static const Gen_Rgb petals[3] = {{1, 1, 0.95}, {1, 0.85, 0.2}, {0.95, 0.55, 0.75}};
    for (int i = 0; i < 60; ++i) {
        double x = rng.Range(0, 800), y = rng.Range(0, 600);
        Gen_Rgb p = petals[rng.Int(0, 2)];
        for (int k = 0; k < 5; ++k)
            Gen_Glow(cr, x + 2.2 * std::cos(k * 1.2566), y + 2.2 * std::sin(k * 1.2566), 2.2, p, 1);
        Gen_Glow(cr, x, y, 1.5, {1, 0.8, 0.1}, 1);
    }
    for (int i = 0; i < 7; ++i) { // old stones
        double x = rng.Range(20, 780), y = rng.Range(20, 580), r = rng.Range(10, 22);
        Gen_Glow(cr, x + 4, y + 5, r * 1.3, {0, 0, 0}, 0.4);
        Gen_Sphere(cr, x, y, r, {0.55, 0.53, 0.48});
        Gen_Glow(cr, x + r * 0.3, y + r * 0.4, r * 0.5, {0.3, 0.45, 0.15}, 0.5);
    }
}

void Corals(cairo_t* cr, Gen_Rng& rng) {
    static const Gen_Rgb tones[3] = {{1, 0.45, 0.5}, {1, 0.62, 0.25}, {0.72, 0.4, 0.95}};
    for (int i = 0; i < 9; ++i) {
        double x = rng.Range(30, 770), y = rng.Range(30, 570);
        Gen_Rgb tone = tones[rng.Int(0, 2)];
        for (int b = 0; b < 7; ++b) {
            double a = rng.Range(0, 2 * M_PI), len = rng.Range(10, 24);
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + len * 0.5 * std::cos(a + 0.4), y + len * 0.5 * std::sin(a + 0.4),
                           x + len * std::cos(a - 0.3), y + len * std::sin(a - 0.3), x + len * std::cos(a),
                           y + len * std::sin(a));
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 6);
        Gen_SetColor(cr, Gen_Mix(tone, {0, 0, 0}, 0.5), 0.6);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 3.5);
        Gen_SetColor(cr, tone, 0.9);
        cairo_stroke(cr);
    }
}

void Pines(cairo_t* cr, Gen_Rng& rng) {
    for (int i = 0; i < 8; ++i) {
        double x = rng.Int(0, 1) ? rng.Range(10, 90) : rng.Range(710, 790), y = rng.Range(20, 580),
               r = rng.Range(16, 28);
        Gen_Glow(cr, x + 6, y + 7, r * 1.3, {0.1, 0.15, 0.3}, 0.35);
        Gen_Star(cr, x, y, r, r * 0.55, 9, rng.Range(0, 1), {0.1, 0.3, 0.22}, 1);
        Gen_Star(cr, x - 1, y - 1, r * 0.7, r * 0.4, 9, rng.Range(0, 1), {0.9, 0.95, 1}, 0.9);
        Gen_Star(cr, x, y, r * 0.35, r * 0.2, 7, 0, {0.16, 0.38, 0.28}, 1);
    }
}

void Inlays(cairo_t* cr, Gen_Rng& rng) {
    static const Gen_Rgb gems[4] = {{0.9, 0.1, 0.2}, {0.1, 0.7, 0.3}, {0.2, 0.35, 1}, {0.7, 0.2, 0.9}};
    cairo_set_line_width(cr, 2.5);
    for (int x = 100; x < 800; x += 200) {
        Gen_SetColor(cr, {0.75, 0.58, 0.22}, 0.7);
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, 600);
        cairo_stroke(cr);
    }
    for (int y = 100; y < 600; y += 200) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 800, y);
        cairo_stroke(cr);
    }
    for (int x = 100; x < 800; x += 200)
        for (int y = 100; y < 600; y += 200) {
            Gen_Glow(cr, x, y, 16, {1, 0.9, 0.5}, 0.5);
            Gen_Star(cr, x, y, 11, 7, 8, 0, {0.85, 0.66, 0.25}, 1);
            Gen_Sphere(cr, x, y, 6, gems[rng.Int(0, 3)]);
        }
}
} // namespace

const Gen_BoardTheme& Gen_ThemeOf(int pack) {
    return kThemes[pack >= 0 && pack < 5 ? pack : 0];
}

void Gen_PaintGround(Gen_Canvas& c, int pack, int board, Gen_Rng& rng) {
    Paint_Pixels(c, pack, board * 97 + pack * 1009, rng);
    switch (pack) {
    case 1:
        Corals(c.cr, rng);
        break;
    case 2:
        Pines(c.cr, rng);
        break;
    case 3:
        break;
    case 4:
        Inlays(c.cr, rng);
        break;
    default:
        Flowers(c.cr, rng);
        break;
    }
}

void Gen_DrawBridge(Gen_Canvas& c, double cx, double cy, double angle, int pack, const Gen_BoardTheme& t,
                    Gen_Rng& rng) {
    static const Gen_Rgb deck[5] = {
        {0.6, 0.57, 0.5}, {0.55, 0.36, 0.2}, {0.8, 0.92, 1}, {0.25, 0.21, 0.2}, {0.9, 0.72, 0.3}};
    cairo_t* cr = c.cr;
    Gen_Rgb d = deck[pack >= 0 && pack < 5 ? pack : 0];
    double alpha = pack == 2 ? 0.93 : 1;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle + M_PI / 2);
    // Local x runs across the track, local y along it.
    Gen_RoundRectPath(cr, -62 + 5, -30 + 6, 124, 60, 8);
    Gen_SetColor(cr, {0, 0, 0}, 0.35);
    cairo_fill(cr);
    Gen_RoundRectPath(cr, -62, -30, 124, 60, 8);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -30, 0, 30);
    Gen_Rgb hi = Gen_Mix(d, {1, 1, 1}, 0.3), lo = Gen_Mix(d, {0, 0, 0}, 0.3);
    cairo_pattern_add_color_stop_rgba(p, 0, hi.r, hi.g, hi.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, lo.r, lo.g, lo.b, alpha);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 2.5);
    Gen_SetColor(cr, Gen_Mix(d, {0, 0, 0}, 0.6));
    cairo_stroke(cr);
    // Joints across the deck: stone blocks, planks, ice seams, lava seams, gold ribs.
    cairo_set_line_width(cr, pack == 1 ? 1.5 : 1.2);
    for (double x = -54; x <= 54; x += pack == 1 ? 9 : 18) {
        Gen_SetColor(cr, pack == 3 ? Gen_Rgb{1, 0.45, 0.1} : Gen_Mix(d, {0, 0, 0}, 0.45),
                     pack == 3 ? 0.9 : 0.7);
        cairo_move_to(cr, x + rng.Range(-1, 1), -26);
        cairo_line_to(cr, x + rng.Range(-1, 1), 26);
        cairo_stroke(cr);
    }
    for (int side = -1; side <= 1; side += 2) { // parapets along both edges
        Gen_RoundRectPath(cr, -62, side * 30 - 5, 124, 10, 4);
        Gen_SetColor(cr, Gen_Mix(d, t.rim, 0.3), 1);
        cairo_fill_preserve(cr);
        Gen_SetColor(cr, Gen_Mix(d, {0, 0, 0}, 0.6));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        Gen_SetColor(cr, {1, 1, 1}, 0.3);
        cairo_move_to(cr, -58, side * 30 - 3);
        cairo_line_to(cr, 58, side * 30 - 3);
        cairo_stroke(cr);
    }
    if (pack == 4) {
        Gen_Glow(cr, 0, 0, 14, {1, 0.9, 0.5}, 0.6);
        Gen_Sphere(cr, 0, 0, 7, {0.9, 0.1, 0.25});
    }
    cairo_restore(cr);
}
