// The main menu's valley painted pixel by pixel: a sky with lit clouds, hazy mountains, a lake
// that mirrors them, meadows with a path up to the portal, and a castle on the left hill.
#include <cmath>
#include "content/gen/gen_menu_art.h"
#include "content/gen/gen_ui_art.h"

namespace {
const double kLake = 398; // the water line

struct Light {
    Gen_Rgb zenith, horizon, sun, haze;
    double sun_x, sun_y;
};

Light Light_Of(bool festive) {
    if (festive) return {{0.55, 0.72, 0.95}, {1, 0.9, 0.68}, {1, 0.92, 0.6}, {0.95, 0.82, 0.7}, 350, 330};
    return {{0.2, 0.42, 0.78}, {1, 0.84, 0.62}, {1, 0.85, 0.5}, {0.72, 0.7, 0.8}, 350, 340};
}

double Far_Ridge(double x) {
    return 300 - 95 * Gen_Fbm(x / 230, 1.5, 4, 41) - 30 * std::exp(-std::pow((x - 560) / 90, 2));
}
double Mid_Ridge(double x) {
    return 360 - 55 * Gen_Fbm(x / 150, 4.5, 4, 42) + 18 * std::exp(-std::pow((x - 360) / 120, 2));
}
// The near hills: the castle hill on the left, flat-topped under the whole castle, a low bank
// in the middle, a rise on the right.
double Near_Ridge(double x) {
    double castle = 248 * std::exp(-std::pow((x - 190) / 150, 4));
    double right = 110 * std::exp(-std::pow((x - 760) / 150, 2));
    return 478 - castle - right - 10 * Gen_Fbm(x / 60, 7.5, 3, 43);
}

Gen_Rgb Sky(double x, double y, const Light& l) {
    double t = std::clamp(y / kLake, 0.0, 1.0);
    Gen_Rgb c = Gen_Mix(l.zenith, l.horizon, std::pow(t, 1.6));
    double d = std::hypot(x - l.sun_x, (y - l.sun_y) * 1.3);
    c = Gen_Mix(c, l.sun, std::exp(-d / 160) * 0.7);
    c = Gen_Mix(c, {1, 1, 0.95}, std::exp(-d / 30));
    // Clouds: soft heaps, lit on top, warm underneath, thinner toward the horizon.
    double n = Gen_Fbm(x / 210, y / 70, 5, 44);
    double cover = Gen_Step(0.5, 0.72, n) * (1 - Gen_Step(230, 330, y));
    double lit = Gen_Fbm(x / 210, (y - 7) / 70, 5, 44) - n;
    Gen_Rgb cloud = Gen_Mix({1, 0.97, 0.93}, {0.78, 0.72, 0.8}, Gen_Step(-0.04, 0.05, lit));
    return Gen_Mix(c, cloud, cover * 0.9);
}

// Everything above the water line at (x, y), seen through `haze` of the distance.
Gen_Rgb Above(double x, double y, const Light& l) {
    Gen_Rgb c = Sky(x, y, l);
    double far = Far_Ridge(x);
    if (y > far) {
        double h = y - far, n = Gen_Fbm(x / 40, y / 40, 4, 45);
        Gen_Rgb rock = Gen_Mix({0.48, 0.5, 0.66}, {0.62, 0.6, 0.72}, n);
        double snow = Gen_Step(0.55, 0.6, n + 0.02 * (300 - far) / 10 - h / 60);
        rock = Gen_Mix(rock, {0.95, 0.95, 1}, snow * Gen_Step(240, 220, far));
        double side = Gen_Fbm(x / 25, y / 90, 3, 46); // sunlit and shaded faces
        rock = Gen_Mix(rock, Gen_Mix(rock, {0.25, 0.25, 0.45}, 0.5), Gen_Step(0.45, 0.6, side) * 0.6);
        c = Gen_Mix(rock, l.haze, 0.45 + 0.25 * Gen_Step(far, kLake, y));
    }
    double mid = Mid_Ridge(x);
    if (y > mid) {
        double n = Gen_Fbm(x / 18, y / 12, 4, 47);
        Gen_Rgb forest = Gen_Mix({0.16, 0.3, 0.26}, {0.3, 0.44, 0.3}, n);
        forest = Gen_Mix(forest, {0.5, 0.55, 0.3}, Gen_Step(6, 0, y - mid) * 0.5);
        c = Gen_Mix(forest, l.haze, 0.35);
    }
    return c;
}

Gen_Rgb Water(double x, double y, const Light& l) {
    double depth = y - kLake;
    double ripple = std::sin(y * 0.9 + Gen_Noise(x / 30, y / 3, 48) * 6) * (1 + depth * 0.05);
    double my = kLake - depth * 1.1 - 1; // mirrored point above the line
    Gen_Rgb r = Above(x + ripple * 1.5, std::max(0.0, my), l);
    Gen_Rgb c = Gen_Mix(r, {0.12, 0.28, 0.4}, 0.3 + depth * 0.004);
    double glint =
        Gen_Step(0.62, 0.8, Gen_Noise(x / 14, y / 1.6, 49)) * std::exp(-std::fabs(x - l.sun_x) / 90);
    c = Gen_Mix(c, {1, 0.95, 0.8}, glint * 0.8);
    return Gen_Mix(c, {0.85, 0.9, 0.95}, Gen_Step(2.5, 0, depth) * 0.5); // bright rim at the far shore
}

Gen_Rgb Meadow(double x, double y, double ridge, const Light& l) {
    double n = Gen_Fbm(x / 90, y / 40, 5, 50), blade = Gen_Noise(x / 1.6, y / 4.5, 51);
    double near = Gen_Step(ridge, 600, y);
    Gen_Rgb c = Gen_Mix({0.3, 0.48, 0.16}, {0.55, 0.66, 0.24}, Gen_Step(0.3, 0.75, n));
    c = Gen_Mix(c, Gen_Mix(c, {0.05, 0.12, 0.02}, 0.6), blade * (0.2 + 0.4 * near));
    c = Gen_Mix(c, {0.85, 0.8, 0.45}, Gen_Step(8, 0, y - ridge) * 0.5); // sun on the crest
    // The path winding up to the portal from the bottom.
    double px = 350 + (600 - y) * 0.45 * std::sin((600 - y) / 70.0), half = 14 + (y - 470) * 0.35;
    double on = Gen_Step(half, half - 6, std::fabs(x - px) + 6 * Gen_Noise(x / 8, y / 8, 52));
    if (y > 478) c = Gen_Mix(c, Gen_Mix({0.55, 0.45, 0.3}, {0.72, 0.62, 0.45}, blade), on * 0.85);
    // Flowers scattered over the near grass.
    double f = Gen_Noise(x / 2.1, y / 2.1, 53);
    if (f > 0.93 && near > 0.3)
        c = Gen_Mix(c, Gen_Noise(x / 50, y / 50, 54) > 0.5 ? Gen_Rgb{1, 0.95, 0.6} : Gen_Rgb{0.95, 0.55, 0.7},
                    0.8);
    c = Gen_Mix(c, l.haze, 0.25 * (1 - near));
    return Gen_Mix(c, {0.05, 0.08, 0.03}, near * 0.35);
}

void Castle(cairo_t* cr, bool festive) {
    Gen_Rgb wall = festive ? Gen_Rgb{0.78, 0.7, 0.62} : Gen_Rgb{0.62, 0.58, 0.6};
    Gen_Rgb shade = Gen_Mix(wall, {0.15, 0.15, 0.3}, 0.5), roof = {0.45, 0.2, 0.2};
    struct Tower {
        double x, w, top;
    };
    const Tower towers[] = {{134, 18, 196}, {156, 20, 176}, {174, 20, 146}, {214, 18, 186}, {238, 16, 206}};
    cairo_rectangle(cr, 128, 214, 128, 40); // curtain wall
    Gen_SetColor(cr, wall);
    cairo_fill(cr);
    for (double x = 128; x < 256; x += 8) {
        cairo_rectangle(cr, x, 208, 5, 7);
        cairo_fill(cr);
    }
    for (const Tower& t : towers) {
        cairo_rectangle(cr, t.x, t.top, t.w, 250 - t.top);
        Gen_SetColor(cr, wall);
        cairo_fill(cr);
        cairo_rectangle(cr, t.x + t.w * 0.62, t.top, t.w * 0.38, 250 - t.top); // shaded side
        Gen_SetColor(cr, shade, 0.6);
        cairo_fill(cr);
        cairo_move_to(cr, t.x - 3, t.top);
        cairo_line_to(cr, t.x + t.w / 2, t.top - t.w * 1.3);
        cairo_line_to(cr, t.x + t.w + 3, t.top);
        cairo_close_path(cr);
        Gen_SetColor(cr, roof);
        cairo_fill(cr);
        cairo_move_to(cr, t.x + t.w / 2, t.top - t.w * 1.3);
        cairo_line_to(cr, t.x + t.w + 3, t.top);
        cairo_line_to(cr, t.x + t.w / 2, t.top);
        Gen_SetColor(cr, {0.2, 0.07, 0.1}, 0.5);
        cairo_fill(cr);
        for (double wy = t.top + 10; wy < 205; wy += 16) { // lit windows
            Gen_RoundRectPath(cr, t.x + t.w / 2 - 2, wy, 4, 7, 2);
            Gen_SetColor(cr, {1, 0.85, 0.45}, festive ? 1 : 0.85);
            cairo_fill(cr);
        }
    }
    cairo_move_to(cr, 184, 120); // the flagpole up from the highest roof; the flag flies at its top
    cairo_line_to(cr, 184, 108);
    cairo_set_line_width(cr, 1.6);
    Gen_SetColor(cr, {0.25, 0.2, 0.15});
    cairo_stroke(cr);
    Gen_Sphere(cr, 184, 107.5, 1.8, {0.95, 0.8, 0.35});
}

} // namespace

void Menu_Landscape(Gen_Canvas& c, bool festive) {
    Light l = Light_Of(festive);
    Gen_PaintOpaque(c, [&](double x, double y) {
        double ridge = Near_Ridge(x);
        if (y > ridge) return Meadow(x, y, ridge, l);
        if (y > kLake) return Water(x, y, l);
        return Above(x, y, l);
    });
    Castle(c.cr, festive);
    // The castle's foot fades into the grass of its hill.
    Gen_Mask foot(c.w, c.h);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, 232, 0, 256);
    cairo_pattern_add_color_stop_rgba(fade, 0, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(fade, 1, 1, 1, 1, 1);
    cairo_rectangle(foot.cr, 110, 228, 170, 40);
    cairo_set_source(foot.cr, fade);
    cairo_fill(foot.cr);
    cairo_pattern_destroy(fade);
    Gen_PaintMasked(c, foot, [&](double x, double y) { return Meadow(x, y, Near_Ridge(x), l); });
    cairo_pattern_t* v = cairo_pattern_create_radial(400, 300, 250, 400, 300, 560);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0.05, 0.02, 0.1, 0.45);
    cairo_rectangle(c.cr, 0, 0, 800, 600);
    cairo_set_source(c.cr, v);
    cairo_fill(c.cr);
    cairo_pattern_destroy(v);
}
