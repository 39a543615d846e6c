// The four city pictures shown when the player reaches a new land, the same cities the map
// shows: the harbour town with its lighthouse by the sea, the ice citadel on the glacier, the
// black fortress under the volcano and the domed golden palace. The city screen writes its
// caption along the bottom, white on the harbour and the palace, dark blue on the ice and near
// black on the fire, so the foregrounds are dark, light, bright and dark.
#include <array>
#include <cmath>
#include "content/gen/gen_dialog_art.h"
#include "content/gen/gen_dialog_kit.h"
#include "content/gen/gen_raster.h"
#include "content/gen/gen_ui_art.h"

namespace {
const Gen_Rgb kWindow = {1, 0.82, 0.4};

// A shaded wall block with rows of lit windows; (x, base) is its bottom left.
void Wall(cairo_t* cr, double x, double base, double w, double h, Gen_Rgb c, bool windows) {
    cairo_rectangle(cr, x, base - h, w, h);
    Gen_Rgb lit = Gen_Mix(c, {1, 1, 1}, 0.25), dark = Gen_Mix(c, {0, 0, 0}, 0.45);
    Dlg_FillRamp(cr, x, 0, x + w, 0, {{0, lit}, {0.55, c}, {1, dark}}, true);
    Dlg_Outline(cr, 1.2, 0.55);
    if (!windows) return;
    for (double wy = base - h + 12; wy < base - 14; wy += 22)
        for (double wx = x + 6; wx + 7 < x + w - 3; wx += 14) {
            Gen_RoundRectPath(cr, wx, wy, 6, 10, 3);
            Gen_SetColor(cr, kWindow, 0.95);
            cairo_fill(cr);
        }
}

// A pointed roof over a wall of width w at (x, top); `steep` is its height over its width.
void Roof(cairo_t* cr, double x, double top, double w, double steep, Gen_Rgb c) {
    cairo_move_to(cr, x - w * 0.1, top);
    cairo_line_to(cr, x + w / 2, top - w * steep);
    cairo_line_to(cr, x + w * 1.1, top);
    cairo_close_path(cr);
    Gen_Rgb lit = Gen_Mix(c, {1, 1, 1}, 0.3), dark = Gen_Mix(c, {0, 0, 0}, 0.5);
    Dlg_FillRamp(cr, x, 0, x + w, 0, {{0, lit}, {0.5, c}, {0.51, dark}, {1, dark}}, true);
    Dlg_Outline(cr, 1.2, 0.55);
}

// A round tower with a cone roof and a pennant.
void Tower(cairo_t* cr, double cx, double base, double w, double h, Gen_Rgb wall, Gen_Rgb roof,
           Gen_Rgb flag) {
    Wall(cr, cx - w / 2, base, w, h, wall, false);
    for (double wy = base - h + 16; wy < base - 20; wy += 30) {
        Gen_RoundRectPath(cr, cx - 3.5, wy, 7, 13, 3.5);
        Gen_SetColor(cr, kWindow);
        cairo_fill(cr);
    }
    Roof(cr, cx - w / 2, base - h, w, 1.5, roof);
    double top = base - h - w * 1.5;
    cairo_move_to(cr, cx, top);
    cairo_line_to(cr, cx, top - 14);
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, {0.15, 0.1, 0.08});
    cairo_stroke(cr);
    cairo_move_to(cr, cx, top - 14);
    cairo_curve_to(cr, cx + 8, top - 16, cx + 12, top - 9, cx + 20, top - 11);
    cairo_line_to(cr, cx, top - 6);
    Gen_SetColor(cr, flag);
    cairo_fill(cr);
}

// An onion dome on a drum, gold with a finial.
void Dome(cairo_t* cr, double cx, double base, double r) {
    cairo_move_to(cr, cx - r, base);
    cairo_curve_to(cr, cx - r * 1.25, base - r * 0.9, cx - r * 0.2, base - r * 1.3, cx, base - r * 1.9);
    cairo_curve_to(cr, cx + r * 0.2, base - r * 1.3, cx + r * 1.25, base - r * 0.9, cx + r, base);
    cairo_close_path(cr);
    Dlg_FillMetal(cr, kDlgGold, cx - r, base, cx + r, base - r, true);
    Dlg_Outline(cr, 1.2, 0.5);
    cairo_move_to(cr, cx, base - r * 1.9);
    cairo_line_to(cr, cx, base - r * 2.3);
    cairo_set_line_width(cr, 2);
    Gen_SetColor(cr, kDlgGold.mid);
    cairo_stroke(cr);
    Gen_Sphere(cr, cx, base - r * 2.35, 3, {0.95, 0.15, 0.3});
}

// Sky of a ramp from the top to the horizon with soft clouds of `cloud` colour.
Gen_Rgb Sky(double x, double y, const Gen_Rgb* ramp, const double* at, int n, Gen_Rgb cloud, double cover,
            int seed) {
    Gen_Rgb c = Dlg_Ramp(ramp, at, n, y);
    double k = Gen_Step(0.52, 0.75, Gen_Fbm(x / 260, y / 60, 5, seed)) * cover;
    double lit = Gen_Fbm(x / 260, (y - 6) / 60, 5, seed) - Gen_Fbm(x / 260, y / 60, 5, seed);
    return Gen_Mix(c, Gen_Mix(cloud, Gen_Mix(cloud, {0, 0, 0}, 0.3), Gen_Step(-0.03, 0.04, lit)), k * 0.85);
}

// Mountains whose crest is `ridge` at x: rock with snow above `snow_line`, faded by `haze`.
Gen_Rgb Rock(double x, double y, double ridge, Gen_Rgb rock, Gen_Rgb snow, double snow_line, Gen_Rgb haze,
             double mist, int seed) {
    double n = Gen_Fbm(x / 30, y / 30, 4, seed), side = Gen_Fbm(x / 20, y / 80, 3, seed + 1);
    Gen_Rgb c = Gen_Mix(rock, Gen_Mix(rock, {1, 1, 1}, 0.25), n);
    c = Gen_Mix(c, Gen_Mix(rock, {0, 0, 0}, 0.4), Gen_Step(0.45, 0.62, side) * 0.7);
    double s = Gen_Step(0.5, 0.56, n + (snow_line - y) / 80 - (y - ridge) / 300);
    c = Gen_Mix(c, Gen_Mix(snow, Gen_Mix(snow, {0.3, 0.35, 0.6}, 0.4), Gen_Step(0.45, 0.62, side)), s);
    return Gen_Mix(c, haze, mist);
}

// Crest of a range of pointed peaks: each (x, top, slope) is one peak; rough with noise.
double Peaks(double x, const double (*peaks)[3], int n, int seed) {
    double crest = 1e9;
    for (int i = 0; i < n; ++i)
        crest = std::min(crest, peaks[i][1] + std::fabs(x - peaks[i][0]) * peaks[i][2]);
    return crest + 14 * Gen_Fbm(x / 18, 3.5, 3, seed);
}

// ---- Murias: the harbour town by the sea at sunset -------------------------------------------
void Harbour(Gen_Canvas& c) {
    const Gen_Rgb ramp[] = {{0.1, 0.14, 0.36}, {0.42, 0.3, 0.5}, {0.95, 0.55, 0.35}, {1, 0.85, 0.5}};
    const double at[] = {0, 160, 290, 340};
    const double horizon = 340, sun_x = 470;
    Gen_PaintOpaque(c, [&](double x, double y) {
        if (y < horizon) {
            Gen_Rgb s = Sky(x, y, ramp, at, 4, {1, 0.7, 0.55}, 1, 81);
            double d = std::hypot(x - sun_x, (y - 318) * 1.4);
            s = Gen_Mix(s, {1, 0.9, 0.6}, std::exp(-d / 90) * 0.8);
            return Gen_Mix(s, {1, 1, 0.85}, Gen_Step(24, 18, d));
        }
        double depth = y - horizon;
        double wave = Gen_Fbm(x / (50 + depth * 0.6), y / (2 + depth * 0.06), 4, 82);
        Gen_Rgb sea = Gen_Mix({0.2, 0.3, 0.5}, {0.03, 0.08, 0.2}, Gen_Step(0, 220, depth));
        sea = Gen_Mix(sea, {0.45, 0.52, 0.72}, Gen_Step(0.6, 0.75, wave) * 0.25);
        double path = std::exp(-std::fabs(x - sun_x) / (30 + depth * 0.5)); // the sun's glitter path
        sea =
            Gen_Mix(sea, {1, 0.85, 0.55}, path * Gen_Step(0.5, 0.75, wave) * (1 - Gen_Step(80, 260, depth)));
        return sea;
    });
    cairo_t* cr = c.cr;
    // The headland on the left with the town climbing it.
    cairo_move_to(cr, 0, 240);
    cairo_curve_to(cr, 80, 230, 180, 250, 250, 300);
    cairo_curve_to(cr, 300, 330, 360, 345, 420, 372);
    cairo_line_to(cr, 0, 372);
    cairo_close_path(cr);
    Dlg_FillRamp(cr, 0, 230, 0, 372, {{0, {0.35, 0.42, 0.25}}, {1, {0.12, 0.16, 0.12}}});
    const Gen_Rgb walls[3] = {{0.95, 0.88, 0.72}, {0.9, 0.8, 0.65}, {0.98, 0.92, 0.8}};
    const Gen_Rgb roofs[3] = {{0.78, 0.22, 0.14}, {0.2, 0.38, 0.7}, {0.85, 0.48, 0.18}};
    Gen_Rng rng("harbour town");
    for (int row = 3; row >= 0; --row) // the rows up the hill first, the quay row last
        for (int i = 0; i < 7 - row; ++i) {
            double x = 20 + row * 40 + i * 52 + rng.Range(-6, 6), base = 372 - row * 30 - i * (4 - row) * 0.5;
            double w = rng.Range(34, 46), h = rng.Range(30, 44);
            if (x + w > 430 - row * 50) continue;
            int k = rng.Int(0, 2);
            Wall(cr, x, base - (3 - row) * 0, w, h, walls[k], true);
            Roof(cr, x, base - h, w, 0.55, roofs[(k + i) % 3]);
        }
    // The quay along the water with moored boats.
    cairo_rectangle(cr, 0, 372, 440, 22);
    Gen_SetColor(cr, {0.45, 0.4, 0.36});
    cairo_fill(cr);
    for (double x = 0; x < 440; x += 26) {
        cairo_rectangle(cr, x, 372, 25, 10);
        cairo_rectangle(cr, x + 13, 382, 25, 12);
    }
    cairo_set_line_width(cr, 1);
    Gen_SetColor(cr, {0.2, 0.17, 0.15}, 0.6);
    cairo_stroke(cr);
    const double boats[][2] = {{120, 420}, {300, 410}, {560, 372}};
    for (const auto& b : boats) {
        double x = b[0], y = b[1], s = y / 420;
        cairo_move_to(cr, x - 40 * s, y - 10 * s);
        cairo_line_to(cr, x + 40 * s, y - 10 * s);
        cairo_line_to(cr, x + 28 * s, y + 6 * s);
        cairo_line_to(cr, x - 30 * s, y + 6 * s);
        cairo_close_path(cr);
        Gen_SetColor(cr, {0.45, 0.25, 0.12});
        cairo_fill_preserve(cr);
        Dlg_Outline(cr, 1.2);
        cairo_move_to(cr, x, y - 10 * s);
        cairo_line_to(cr, x, y - 80 * s);
        cairo_set_line_width(cr, 2);
        Gen_SetColor(cr, {0.25, 0.15, 0.08});
        cairo_stroke(cr);
        cairo_move_to(cr, x + 2, y - 78 * s);
        cairo_curve_to(cr, x + 30 * s, y - 60 * s, x + 34 * s, y - 30 * s, x + 30 * s, y - 16 * s);
        cairo_line_to(cr, x + 2, y - 16 * s);
        cairo_close_path(cr);
        Gen_SetColor(cr, {1, 0.95, 0.88});
        cairo_fill_preserve(cr);
        Dlg_Outline(cr, 1);
        Dlg_Spot(cr, x, y + 10 * s, 44 * s, 6 * s, {0, 0, 0}, 0.5);
    }
    // The lighthouse on its rock at the right, its lamp lit.
    cairo_move_to(cr, 580, 345);
    cairo_curve_to(cr, 620, 300, 700, 280, 800, 270);
    cairo_line_to(cr, 800, 420);
    cairo_curve_to(cr, 720, 410, 640, 390, 580, 345);
    Gen_SetColor(cr, {0.18, 0.16, 0.2});
    cairo_fill(cr);
    for (int k = 0; k < 5; ++k) { // striped tower, narrowing upward
        double y0 = 290 - k * 36, w0 = 44 - k * 4, w1 = 44 - (k + 1) * 4;
        cairo_move_to(cr, 700 - w0 / 2, y0);
        cairo_line_to(cr, 700 - w1 / 2, y0 - 36);
        cairo_line_to(cr, 700 + w1 / 2, y0 - 36);
        cairo_line_to(cr, 700 + w0 / 2, y0);
        cairo_close_path(cr);
        Dlg_FillMetal(cr, k % 2 ? kDlgSilver : Dlg_Metal{{0.4, 0.05, 0.04}, {0.8, 0.15, 0.1}, {1, 0.6, 0.5}},
                      676, 0, 724, 0, true);
        Dlg_Outline(cr, 1.2, 0.5);
    }
    cairo_save(cr); // the lamp sweeps its beam out over the harbour
    cairo_rectangle(cr, 0, 0, 700, 600);
    cairo_clip(cr);
    Dlg_Rays(cr, 700, 92, 420, 2, M_PI * 0.93, {1, 0.95, 0.7}, 0.22);
    cairo_restore(cr);
    Gen_Glow(cr, 700, 92, 60, {1, 0.95, 0.6}, 0.9);
    cairo_rectangle(cr, 686, 80, 28, 24);
    Gen_SetColor(cr, {1, 0.95, 0.7});
    cairo_fill(cr);
    Roof(cr, 684, 80, 32, 0.6, {0.75, 0.12, 0.1});
    cairo_rectangle(cr, 680, 104, 40, 6);
    Gen_SetColor(cr, {0.2, 0.18, 0.2});
    cairo_fill(cr);
    for (int i = 0; i < 30; ++i) // gulls' glints and sea sparkle
        Dlg_Sparkle(cr, rng.Range(420, 560), rng.Range(350, 470), rng.Range(2, 5), rng.Range(0.4, 0.9));
}

// ---- Falias: the ice citadel on the glacier under a clear sky --------------------------------
void Citadel(Gen_Canvas& c) {
    const Gen_Rgb ramp[] = {{0.25, 0.5, 0.85}, {0.55, 0.75, 0.95}, {0.85, 0.93, 1}};
    const double at[] = {0, 220, 330};
    static const double peaks[][3] = {{60, 190, 0.9},  {190, 150, 1.1},  {330, 210, 0.8},
                                      {520, 130, 1.0}, {690, 175, 0.85}, {800, 230, 0.7}};
    auto far = [](double x) { return Peaks(x, peaks, 6, 83); };
    auto snowfield = [](double x) { return 420 - 30 * std::sin(x / 140) - 20 * Gen_Fbm(x / 90, 6.5, 3, 84); };
    Gen_PaintOpaque(c, [&](double x, double y) {
        double ground = snowfield(x);
        if (y > ground) { // the bright snowfield, blue in its hollows, sparkling
            double n = Gen_Fbm(x / 120, y / 30, 5, 85), grain = Gen_Noise(x / 1.5, y / 1.5, 86);
            Gen_Rgb s = Gen_Mix({0.78, 0.87, 0.98}, {0.98, 0.99, 1}, Gen_Step(0.35, 0.65, n));
            s = Gen_Mix(s, {0.6, 0.75, 0.95}, Gen_Step(0.7, 0.85, Gen_Fbm(x / 60, y / 14, 3, 87)) * 0.5);
            return grain > 0.96 ? Gen_Rgb{1, 1, 1} : s;
        }
        Gen_Rgb sky = Sky(x, y, ramp, at, 3, {1, 1, 1}, 0.7, 88);
        double r = far(x);
        if (y > r) sky = Rock(x, y, r, {0.5, 0.58, 0.75}, {0.96, 0.98, 1}, 330, {0.8, 0.88, 1}, 0.35, 89);
        return sky;
    });
    cairo_t* cr = c.cr;
    // The citadel stands on a crag of blue ice, broken into shining facets.
    const Dlg_Metal glacier = {{0.35, 0.55, 0.85}, {0.72, 0.86, 1}, {1, 1, 1}};
    const double shards[][6] = {{220, 440, 260, 372, 330, 440}, {300, 440, 350, 368, 410, 440},
                                {380, 440, 450, 366, 500, 440}, {470, 440, 540, 372, 580, 440},
                                {250, 440, 300, 392, 360, 440}, {430, 440, 500, 388, 560, 440}};
    for (const auto& t : shards) {
        cairo_move_to(cr, t[0], t[1]);
        cairo_line_to(cr, t[2], t[3]);
        cairo_line_to(cr, t[4], t[5]);
        cairo_close_path(cr);
        Dlg_FillMetal(cr, glacier, t[0], t[3], t[4], t[1], true);
        Dlg_Outline(cr, 1, 0.25);
    }
    const Gen_Rgb ice = {0.75, 0.88, 1}, roof = {0.22, 0.42, 0.82}, flag = {0.15, 0.55, 1};
    Wall(cr, 270, 380, 260, 80, Gen_Mix(ice, {0.45, 0.55, 0.75}, 0.3), true); // curtain wall
    for (double x = 270; x < 530; x += 16) {                                  // battlements under snow
        cairo_rectangle(cr, x, 292, 10, 10);
        Gen_SetColor(cr, {0.97, 0.99, 1});
        cairo_fill(cr);
    }
    cairo_arc(cr, 400, 352, 20, M_PI, 2 * M_PI); // the gate
    cairo_line_to(cr, 420, 380);
    cairo_line_to(cr, 380, 380);
    Gen_SetColor(cr, {0.12, 0.18, 0.35});
    cairo_fill(cr);
    Tower(cr, 272, 380, 40, 140, ice, roof, flag);
    Tower(cr, 528, 380, 40, 140, ice, roof, flag);
    Tower(cr, 340, 330, 34, 130, ice, roof, flag);
    Tower(cr, 460, 330, 34, 130, ice, roof, flag);
    Tower(cr, 400, 320, 50, 180, {0.85, 0.94, 1}, roof, flag);
    for (double x : {300.0, 360.0, 440.0, 500.0}) { // icicles under the wall walk
        for (int k = 0; k < 3; ++k) {
            cairo_move_to(cr, x + k * 6, 302);
            cairo_line_to(cr, x + k * 6 + 2.5, 318 + (k % 2) * 8);
            cairo_line_to(cr, x + k * 6 + 5, 302);
            Gen_SetColor(cr, {0.9, 0.97, 1}, 0.9);
            cairo_fill(cr);
        }
    }
    Gen_Rng rng("ice citadel");
    for (int i = 0; i < 26; ++i)
        Dlg_Sparkle(cr, rng.Range(200, 640), rng.Range(120, 460), rng.Range(3, 8), rng.Range(0.5, 1));
    Dlg_Vignette(cr, 800, 600, 0.25);
}

// ---- Finias: the black fortress under the erupting volcano, over a lake of fire ---------------
void Fortress(Gen_Canvas& c) {
    const Gen_Rgb ramp[] = {{0.12, 0.03, 0.04}, {0.4, 0.08, 0.04}, {0.85, 0.3, 0.08}};
    const double at[] = {0, 200, 380};
    auto cone = [](double x) {
        double d = std::fabs(x - 560);
        return d < 60 ? 150 + d * 0.15 : 159 + (d - 60) * 0.95 + 20 * Gen_Fbm(x / 50, 1.5, 3, 90);
    };
    Gen_PaintOpaque(c, [&](double x, double y) {
        if (y > 470) { // the lake of fire, brightest where it is nearest
            double n = Gen_Fbm(x / 70, y / 18, 5, 91), crack = Gen_Fbm(x / 25, y / 8, 4, 92);
            Gen_Rgb lava =
                Dlg_Ramp(std::array<Gen_Rgb, 3>{{{0.85, 0.25, 0.02}, {1, 0.6, 0.08}, {1, 0.92, 0.5}}}.data(),
                         std::array<double, 3>{{0.3, 0.55, 0.8}}.data(), 3, n + 0.1 * Gen_Step(470, 600, y));
            double crust = Gen_Step(0.56, 0.62, crack) * (1 - Gen_Step(478, 515, y)) * 0.85;
            return Gen_Mix(lava, {0.3, 0.08, 0.03}, crust);
        }
        Gen_Rgb sky = Sky(x, y, ramp, at, 3, {0.35, 0.12, 0.1}, 1.2, 93);
        double r = cone(x);
        if (y > r) {
            Gen_Rgb rock =
                Rock(x, y, r, {0.22, 0.14, 0.13}, {0.3, 0.2, 0.18}, 0, {0.5, 0.15, 0.08}, 0.25, 94);
            double flow = std::fabs(x - 560 - 30 * std::sin((y - 150) / 45) - 8 * Gen_Fbm(y / 20, 1, 2, 99)) -
                          1.5 - (y - 150) * 0.025;
            rock = Gen_Mix(rock, {1, 0.6, 0.1}, Gen_Step(6, 0, flow)); // a lava stream down the flank
            return Gen_Mix(rock, {1, 0.4, 0.05}, Gen_Step(380, 470, y) * 0.45);
        }
        return sky;
    });
    cairo_t* cr = c.cr;
    Gen_Glow(cr, 560, 150, 140, {1, 0.55, 0.1}, 0.8); // the eruption
    Gen_Rng rng("fire fortress");
    for (int i = 0; i < 9; ++i) { // a plume of smoke rising from the crater
        double t = i / 8.0;
        Gen_Glow(cr, 560 + 60 * t + 20 * std::sin(i), 120 - 110 * t, 40 + 50 * t, {0.15, 0.08, 0.08}, 0.5);
    }
    for (int i = 0; i < 28; ++i) { // glowing lava bombs
        double a = -M_PI / 2 + rng.Range(-0.9, 0.9), d = rng.Range(20, 130);
        double x = 560 + d * std::cos(a), y = 140 + d * std::sin(a);
        Gen_Glow(cr, x, y, 9, {1, 0.5, 0.1}, 0.7);
        Gen_Sphere(cr, x, y, rng.Range(1.5, 3.5), {1, 0.85, 0.4});
    }
    // The rock and the fortress upon it, black against the glow.
    cairo_move_to(cr, 120, 480);
    cairo_curve_to(cr, 150, 400, 200, 360, 290, 350);
    cairo_curve_to(cr, 380, 345, 420, 380, 460, 480);
    cairo_close_path(cr);
    Dlg_FillRamp(cr, 0, 350, 0, 480, {{0, {0.14, 0.08, 0.08}}, {1, {0.45, 0.14, 0.04}}}, true);
    cairo_set_line_width(cr, 3);
    Gen_SetColor(cr, {1, 0.45, 0.1}, 0.5); // the lava's light on its rim
    cairo_stroke(cr);
    const Gen_Rgb wall = {0.24, 0.17, 0.16}, roof = {0.1, 0.05, 0.05}, flag = {1, 0.3, 0.05};
    Wall(cr, 180, 370, 220, 70, wall, true);
    for (double x = 180; x < 400; x += 16) {
        cairo_rectangle(cr, x, 292, 10, 10);
        Gen_SetColor(cr, wall);
        cairo_fill(cr);
    }
    Tower(cr, 185, 372, 40, 140, wall, roof, flag);
    Tower(cr, 395, 372, 40, 140, wall, roof, flag);
    Tower(cr, 290, 330, 52, 170, {0.3, 0.2, 0.18}, roof, flag);
    cairo_arc(cr, 290, 348, 18, M_PI, 2 * M_PI);
    cairo_line_to(cr, 308, 372);
    cairo_line_to(cr, 272, 372);
    Gen_SetColor(cr, {1, 0.55, 0.1});
    cairo_fill(cr);
    Gen_Glow(cr, 290, 360, 40, {1, 0.5, 0.1}, 0.6);
    for (int i = 0; i < 40; ++i) // embers
        Dlg_Sparkle(cr, rng.Range(0, 800), rng.Range(100, 470), rng.Range(1.5, 4), rng.Range(0.4, 0.9));
}

// The palace itself, standing on the edge of the pool at `pool`.
void Palace_Building(cairo_t* cr, double pool) {
    const Gen_Rgb marble = {0.97, 0.93, 0.85};
    Wall(cr, 200, pool, 400, 70, marble, false); // the terrace and the palace's wings
    for (double x = 214; x < 590; x += 28) {     // arcade of arches lit from inside
        cairo_move_to(cr, x, pool - 8);
        cairo_line_to(cr, x, pool - 46);
        cairo_arc(cr, x + 8, pool - 46, 8, M_PI, 2 * M_PI);
        cairo_line_to(cr, x + 16, pool - 8);
        cairo_close_path(cr);
        Gen_SetColor(cr, kWindow);
        cairo_fill(cr);
    }
    Wall(cr, 300, pool - 70, 200, 80, marble, true);
    Dome(cr, 400, pool - 150, 70);
    for (double x : {250.0, 550.0}) {
        Wall(cr, x - 16, pool - 70, 32, 120, marble, true);
        Dome(cr, x, pool - 190, 22);
    }
    for (double x : {190.0, 610.0}) { // minarets
        Wall(cr, x - 9, pool, 18, 220, marble, false);
        cairo_rectangle(cr, x - 14, pool - 170, 28, 6);
        Dlg_FillMetal(cr, kDlgGold, 0, pool - 170, 0, pool - 164);
        Dome(cr, x, pool - 220, 12);
    }
    for (int i = 0; i < 7; ++i) // gems along the drum of the great dome
        Dlg_Gem(cr, 340 + i * 20, pool - 160, 5,
                i % 3 == 0   ? Gen_Rgb{0.9, 0.1, 0.25}
                : i % 3 == 1 ? Gen_Rgb{0.1, 0.7, 0.4}
                             : Gen_Rgb{0.2, 0.4, 1});
}

// ---- Gorias: the golden palace at dusk, over a dark reflecting pool ---------------------------
void Palace(Gen_Canvas& c) {
    const Gen_Rgb ramp[] = {{0.1, 0.06, 0.25}, {0.45, 0.22, 0.45}, {0.98, 0.65, 0.3}, {1, 0.85, 0.5}};
    const double at[] = {0, 150, 300, 380};
    const double pool = 440;
    Gen_Rng stars("palace stars");
    Gen_PaintOpaque(c, [&](double x, double y) {
        Gen_Rgb sky = Sky(x, std::min(y, 380.0), ramp, at, 4, {1, 0.75, 0.6}, 0.8, 95);
        if (y < 170 && Gen_Noise(x / 1.3, y / 1.3, 96) > 0.985) sky = Gen_Mix(sky, {1, 1, 0.9}, 0.9);
        double dune = 372 + 14 * std::sin(x / 90) + 10 * Gen_Fbm(x / 60, 8.5, 3, 100);
        if (y < dune) return sky;
        if (y < pool) { // the dunes behind the palace
            double n = Gen_Fbm(x / 80, y / 20, 4, 97);
            return Gen_Mix({0.85, 0.55, 0.25}, {0.45, 0.22, 0.18}, Gen_Step(380, pool, y) * 0.7 + n * 0.3);
        }
        double depth = y - pool; // the pool: the sky mirrored, darkening toward us
        double ripple = Gen_Fbm(x / 50, y / 4, 3, 98);
        Gen_Rgb m = Dlg_Ramp(ramp, at, 4, std::max(0.0, 380 - depth * 2.2));
        m = Gen_Mix(m, {0.03, 0.02, 0.08}, 0.35 + Gen_Step(0, 160, depth) * 0.55);
        return Gen_Mix(m, {1, 0.85, 0.5}, Gen_Step(0.62, 0.8, ripple) * 0.25 * (1 - Gen_Step(0, 120, depth)));
    });
    cairo_t* cr = c.cr;
    Gen_Glow(cr, 400, 330, 260, {1, 0.85, 0.5}, 0.4);
    Palace_Building(cr, pool);
    // The palace mirrored in the pool, dim and fading with depth.
    cairo_save(cr);
    cairo_rectangle(cr, 0, pool, 800, 600 - pool);
    cairo_clip(cr);
    cairo_push_group(cr);
    cairo_translate(cr, 0, 2 * pool);
    cairo_scale(cr, 1, -1);
    Palace_Building(cr, pool);
    cairo_pop_group_to_source(cr);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, pool, 0, pool + 220);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 0.35);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0);
    cairo_mask(cr, fade);
    cairo_pattern_destroy(fade);
    cairo_restore(cr);
    Gen_Glow(cr, 400, pool + 90, 90, {1, 0.8, 0.4}, 0.3);
    Gen_Rng rng("golden palace");
    for (int i = 0; i < 30; ++i)
        Dlg_Sparkle(cr, rng.Range(180, 620), rng.Range(160, 440), rng.Range(2.5, 7), rng.Range(0.5, 1));
    Dlg_Vignette(cr, 800, 600, 0.4);
}
} // namespace

void Dialog_City(const Manifest_Entry& e, Gen_Canvas& c, int city) {
    (void)e;
    void (*const draw[4])(Gen_Canvas&) = {Harbour, Citadel, Fortress, Palace};
    draw[city >= 0 && city < 4 ? city : 0](c);
}
