// Pearl strips and special pearls. The game turns a pearl image by the pearl's heading, so
// image +x is the direction of travel: the surface rolls toward +x frame by frame (one frame
// per unit moved), and the lighting is symmetric about the view axis so that it does not
// turn with the heading.
#include "content/gen/gen_pearls.h"
#include <cmath>
#include <string>
#include "content/gen/gen_groups.h"
#include "content/gen/gen_raster.h"

namespace {
double Smoothstep(double a, double b, double v) {
    double t = (v - a) / (b - a);
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return t * t * (3 - 2 * t);
}

Gen_Rgb Hue(double h) {
    h -= std::floor(h);
    double r = std::fabs(h * 6 - 3) - 1, g = 2 - std::fabs(h * 6 - 2), b = 2 - std::fabs(h * 6 - 4);
    auto c = [](double v) { return v < 0 ? 0 : v > 1 ? 1 : v; };
    return {c(r), c(g), c(b)};
}

// Colour pearl surface: six gores of two tones and a bright ring around the rolling
// direction, so the turning is visible at any heading.
Gen_Px Pearl_Surface(Gen_Rgb base, double x, double y, double z) {
    double lon = std::atan2(x, z);
    double gore = Smoothstep(-0.2, 0.2, std::sin(3 * lon));
    Gen_Rgb c = Gen_Mix(Gen_Mix(base, {0, 0, 0}, 0.3), Gen_Mix(base, {1, 1, 1}, 0.15), gore);
    double ring = Smoothstep(0.16, 0.08, std::fabs(x)) * (1 - Smoothstep(0.75, 0.95, std::fabs(y)));
    c = Gen_Mix(c, Gen_Mix(base, {1, 1, 0.92}, 0.75), ring * 0.8);
    return {c, 1};
}

Gen_Px Joker_Surface(double x, double y, double z) {
    double lon = std::atan2(x, z);
    Gen_Rgb c = Hue(lon / (2 * M_PI) * 2 + y * 0.35);
    c = Gen_Mix(c, {1, 1, 1}, 0.18 + 0.15 * std::sin(5 * lon + 3 * y));
    return {c, 1};
}

void Symbol_Draw(cairo_t* cr, double cx, double cy, double s, int color) {
    Gen_Rgb base = Gen_PearlColor(color);
    Gen_SymbolPath(cr, cx, cy, s, color);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, s * 0.32);
    Gen_SetColor(cr, Gen_Mix(base, {0, 0, 0}, 0.7), 0.75);
    cairo_stroke_preserve(cr);
    Gen_SetColor(cr, {1, 0.98, 0.9}, 0.95);
    cairo_fill(cr);
}

void Colour_Strip(const Manifest_Entry& e, Gen_Canvas& c, int color) {
    Gen_Rgb base = Gen_PearlColor(color);
    // Frames 0..62 make one turn: the game wraps after frame 62.
    const int period = color < 0 ? 64 : 63;
    for (int f = 0; f < e.frames; ++f) {
        int ox, oy;
        Gen_CellOrigin(e, f, ox, oy);
        Gen_BallLook look;
        look.roll = 2 * M_PI * f / period;
        // A soft contact shade round the pearl lifts it off any board.
        c.Cell(e, f);
        Gen_Glow(c.cr, 32, 32, 31, {0, 0, 0}, 0.55);
        if (color < 0)
            Gen_RenderBall(c, ox + 32, oy + 32, 26, Joker_Surface, look);
        else
            Gen_RenderBall(
                c, ox + 32, oy + 32, 26,
                [&](double x, double y, double z) { return Pearl_Surface(base, x, y, z); }, look);
        c.Cell(e, f);
        if (color >= 0) {
            Symbol_Draw(c.cr, 32, 32, 10, color);
        } else {
            Gen_Star(c.cr, 32, 32, 13, 3.5, 4, M_PI / 4, {0.15, 0.1, 0.25}, 0.5);
            Gen_Star(c.cr, 32, 32, 11, 3, 4, M_PI / 4, {1, 1, 1}, 0.95);
        }
    }
}

void Flame_Tongue(cairo_t* cr, double x0, double y0, double len, double wid, double angle, Gen_Rgb c,
                  double a) {
    cairo_save(cr);
    cairo_translate(cr, x0, y0);
    cairo_rotate(cr, angle);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -wid);
    cairo_curve_to(cr, -len * 0.4, -wid, -len * 0.7, -wid * 0.2, -len, 0);
    cairo_curve_to(cr, -len * 0.7, wid * 0.2, -len * 0.4, wid, 0, wid);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, -len, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g * 0.5, c.b * 0.3, 0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

Gen_Px Lava_Surface(double x, double y, double z, int seed) {
    double n = Gen_Fbm(x * 2.2 + 3, y * 2.2 + z * 1.3 + 3, 4, seed);
    Gen_Rgb c = Gen_Mix({1, 0.35, 0.02}, {1, 0.95, 0.55}, Smoothstep(0.35, 0.7, n));
    return {c, 1};
}

void Pusher(Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    Gen_Glow(cr, 20, 20, 20, {0, 0, 0}, 0.6);
    cairo_new_path(cr);
    for (int i = 0; i < 24; ++i) {
        double a = i * M_PI / 12, r = i % 2 ? 14.5 : 18.5;
        cairo_line_to(cr, 20 + r * std::cos(a), 20 + r * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(17, 16, 2, 20, 20, 19);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.95, 0.75, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 0.6, 0.55, 0.33, 0.14);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.25, 0.13, 0.05);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1.2);
    Gen_SetColor(cr, {0.15, 0.08, 0.02});
    cairo_stroke(cr);
    Gen_Sphere(cr, 20, 20, 9, {0.3, 0.3, 0.34});
    // A chevron pointing along the travel direction: this pearl pushes its wave.
    cairo_new_path(cr);
    cairo_move_to(cr, 16, 14);
    cairo_line_to(cr, 24, 20);
    cairo_line_to(cr, 16, 26);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Gen_SetColor(cr, {1, 0.85, 0.4});
    cairo_stroke(cr);
}

void Alarm(Gen_Canvas& c) {
    Gen_Glow(c.cr, 20, 20, 20, {1, 0.1, 0.05}, 0.9);
    Gen_BallLook look;
    Gen_RenderBall(
        c, 20, 20, 13,
        [](double, double, double) {
            return Gen_Px{{0.9, 0.08, 0.05}, 1};
        },
        look);
    cairo_t* cr = c.cr;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 4.5);
    Gen_SetColor(cr, {0.3, 0, 0}, 0.7);
    cairo_move_to(cr, 20, 12);
    cairo_line_to(cr, 20, 21);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 3);
    Gen_SetColor(cr, {1, 1, 0.9});
    cairo_move_to(cr, 20, 12);
    cairo_line_to(cr, 20, 21);
    cairo_stroke(cr);
    Gen_Sphere(cr, 20, 27, 2, {1, 1, 0.9});
}

void Fireball(Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    Gen_Glow(cr, 30, 32, 32, {1, 0.35, 0}, 0.8);
    Gen_Rng rng("fireball");
    for (int i = 0; i < 9; ++i)
        Flame_Tongue(cr, 36, 32 + rng.Range(-10, 10), rng.Range(16, 30), rng.Range(5, 9),
                     rng.Range(-0.35, 0.35), i % 2 ? Gen_Rgb{1, 0.5, 0.05} : Gen_Rgb{1, 0.8, 0.2}, 0.9);
    Gen_BallLook look;
    look.shine = 0.6;
    Gen_RenderBall(
        c, 36, 32, 17, [](double x, double y, double z) { return Lava_Surface(x, y, z, 5); }, look);
    Gen_Glow(cr, 38, 32, 10, {1, 1, 0.85}, 0.9);
}

void Win_Pearl(Gen_Canvas& c) {
    Gen_Glow(c.cr, 32, 32, 32, {1, 0.85, 0.3}, 0.75);
    Gen_BallLook look;
    look.ring_light = 0.55;
    Gen_RenderBall(
        c, 32, 32, 25,
        [](double x, double y, double z) {
            double lon = std::atan2(x, z);
            double v = 0.5 + 0.5 * std::sin(8 * lon + 4 * y);
            return Gen_Px{Gen_Mix({0.8, 0.55, 0.1}, {1, 0.9, 0.45}, v), 1};
        },
        look);
    Gen_Star(c.cr, 32, 32, 15, 6, 5, 0, {0.55, 0.3, 0}, 0.6);
    Gen_Star(c.cr, 32, 32, 13, 5.5, 5, 0, {1, 1, 0.9}, 1);
}

void Flame_Orb(Gen_Canvas& c) {
    cairo_surface_flush(c.surface);
    // A corona of noisy flame round the orb, rendered per pixel.
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 160; ++x) {
            double dx = x + 0.5 - 80, dy = y + 0.5 - 80, d = std::sqrt(dx * dx + dy * dy);
            double a = std::atan2(dy, dx);
            double n = Gen_Fbm(std::cos(a) * 2.5 + 5, std::sin(a) * 2.5 + d * 0.05, 4, 11);
            double reach = 44 + 30 * n;
            double t = 1 - Smoothstep(38, reach, d);
            if (t <= 0) continue;
            Gen_Rgb col = Gen_Mix({0.9, 0.15, 0.02}, {1, 0.85, 0.3}, t * t);
            Gen_Over(c, x, y, col, t * 0.95);
        }
    cairo_surface_mark_dirty(c.surface);
    Gen_BallLook look;
    look.shine = 0.5;
    Gen_RenderBall(
        c, 80, 80, 42, [](double x, double y, double z) { return Lava_Surface(x, y, z, 9); }, look);
    Gen_Glow(c.cr, 80, 80, 30, {1, 1, 0.8}, 0.6);
}

void Hovered(Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    Gen_Glow(cr, 32, 32, 32, {1, 0.95, 0.7}, 0.35);
    Gen_Ring(cr, 32, 32, 28, 6, {1, 0.85, 0.4}, 0.5);
    Gen_Ring(cr, 32, 32, 28, 2.5, {1, 1, 0.9}, 1);
    for (int k = 0; k < 4; ++k)
        Gen_Star(cr, 32 + 28 * std::cos(k * M_PI / 2 + M_PI / 4), 32 + 28 * std::sin(k * M_PI / 2 + M_PI / 4),
                 5, 1.2, 4, 0, {1, 1, 1}, 1);
}
} // namespace

void Gen_SymbolPath(cairo_t* cr, double cx, double cy, double s, int color) {
    cairo_new_path(cr);
    switch (color) {
    case 0: // dot
        cairo_arc(cr, cx, cy, s * 0.62, 0, 2 * M_PI);
        break;
    case 1: // triangle
        for (int i = 0; i < 3; ++i) {
            double a = -M_PI / 2 + i * 2 * M_PI / 3;
            cairo_line_to(cr, cx + s * std::cos(a), cy + s * 0.08 + s * std::sin(a));
        }
        cairo_close_path(cr);
        break;
    case 2: // square
        cairo_rectangle(cr, cx - s * 0.68, cy - s * 0.68, s * 1.36, s * 1.36);
        break;
    case 3: // ring
        cairo_arc(cr, cx, cy, s * 0.8, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, cx, cy, s * 0.4, 2 * M_PI, 0);
        break;
    case 4: { // cross
        double a = s * 0.3, b = s * 0.85;
        const double pts[12][2] = {{-a, -b}, {a, -b}, {a, -a}, {b, -a}, {b, a},   {a, a},
                                   {a, b},   {-a, b}, {-a, a}, {-b, a}, {-b, -a}, {-a, -a}};
        for (auto& p : pts)
            cairo_line_to(cr, cx + p[0], cy + p[1]);
        cairo_close_path(cr);
        break;
    }
    default: // star
        for (int i = 0; i < 10; ++i) {
            double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? s * 0.45 : s * 1.05;
            cairo_line_to(cr, cx + r * std::cos(a), cy + s * 0.05 + r * std::sin(a));
        }
        cairo_close_path(cr);
        break;
    }
}

bool Gen_DrawPearlEntry(const Manifest_Entry& e, Gen_Canvas& c) {
    static const char* const colours[] = {"00_", "01_", "02_", "03_", "04_", "05_"};
    for (int k = 0; k < 6; ++k)
        if (Gen_Has(e.name, colours[k])) return Colour_Strip(e, c, k), true;
    c.Cell(e, 0);
    if (Gen_Has(e.name, "18_joker")) return Colour_Strip(e, c, -1), true;
    if (Gen_Has(e.name, "16_pusher")) return Pusher(c), true;
    if (Gen_Has(e.name, "17_rev_clear")) return Flame_Orb(c), true;
    if (Gen_Has(e.name, "19_alarm")) return Alarm(c), true;
    if (Gen_Has(e.name, "20_fireball")) return Fireball(c), true;
    if (Gen_Has(e.name, "21_win")) return Win_Pearl(c), true;
    if (Gen_Has(e.name, "hovered")) return Hovered(c), true;
    return false;
}

Gen_Rgb Gen_PearlColor(int color) {
    static const Gen_Rgb kColors[6] = {{0.12, 0.36, 0.95}, {0.16, 0.72, 0.16}, {0.82, 0.2, 0.78},
                                       {1.0, 0.55, 0.08},  {0.86, 0.1, 0.1},   {0.98, 0.86, 0.12}};
    return kColors[color >= 0 && color < 6 ? color : 0];
}

void Gen_Pearl(cairo_t* cr, double cx, double cy, double r, int color, double phase) {
    Gen_Rgb c = Gen_PearlColor(color);
    Gen_Sphere(cr, cx, cy, r, c);
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_clip(cr);
    double x = cx + r * std::sin(2 * M_PI * phase);
    Gen_SetColor(cr, Gen_Mix(c, {1, 1, 1}, 0.6), 0.6);
    cairo_set_line_width(cr, r * 0.18);
    cairo_move_to(cr, x, cy - r);
    cairo_line_to(cr, x, cy + r);
    cairo_stroke(cr);
    cairo_restore(cr);
    Symbol_Draw(cr, cx, cy, r * 0.33, color);
}
