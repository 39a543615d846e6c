// Art of the weather particles: soft snow flakes, a rain streak, billowing fog and fire fog
// puffs, glowing embers and golden fire sparks. Snow, fire fog and sparks are added as light;
// the rain, the fog and the embers are blended over the board.
#include <cmath>
#include <string>
#include "content/gen/gen_fx_draw.h"

namespace {
const Gen_Rgb kWhite = {1, 1, 1};
const Gen_Rgb kSnow = {0.9, 0.95, 1};

bool Named(const Manifest_Entry& e, const char* file) {
    return e.name == std::string(".\\images\\FX\\") + file + ".png";
}

// A round soft flake with a bright middle.
void Flake_Soft(Fx_Light& l) {
    l.Glow(8, 8, 7.5, kSnow, 2.2, 1.8);
    l.Glow(8, 8, 3, kWhite, 1, 1);
}

// A six-armed crystal with side branches and a glowing middle.
void Flake_Crystal(Fx_Light& l) {
    for (int k = 0; k < 6; ++k) {
        double a = k * M_PI / 3 + 0.26, ca = std::cos(a), sa = std::sin(a);
        l.Streak(8, 8, 8 + 7 * ca, 8 + 7 * sa, 1.15, kSnow, 1.6, 0.5);
        double bx = 8 + 4 * ca, by = 8 + 4 * sa;
        for (int s = -1; s <= 1; s += 2) {
            double b = a + s * 0.8;
            l.Streak(bx, by, bx + 2.6 * std::cos(b), by + 2.6 * std::sin(b), 0.9, kSnow, 0.9, 0.3);
        }
    }
    l.Glow(8, 8, 3.2, kWhite, 1.6, 1);
    l.Glow(8, 8, 7.8, kSnow, 0.35, 0);
}

// A fluffy clump of three small flakes stuck together.
void Flake_Clump(Fx_Light& l) {
    l.Glow(6.8, 8.6, 5, kSnow, 1.3, 1.2);
    l.Glow(9.8, 6.8, 4.4, kSnow, 1.2, 1.2);
    l.Glow(9, 10.4, 3.8, kSnow, 1.1, 1.2);
}

// A thin falling streak, faint at the top and brightest at the drop's head at the bottom.
void Rain(Fx_Light& l) {
    const Gen_Rgb water = {0.72, 0.84, 1};
    l.Streak(4, 1.5, 4, 28.5, 1.7, water, 0.04, 0.85);
    l.Glow(4, 28, 2.6, {0.9, 0.95, 1}, 0.7, 1);
}

// Density 0..1 of a billowing puff at cell pixel (x, y) of a w x h cell; zero at the border.
double Puff_Density(double x, double y, double w, double h, int seed) {
    double nx = (x - w / 2) / (w / 2), ny = (y - h / 2) / (h / 2);
    double e = std::sqrt(nx * nx + ny * ny);
    if (e >= 1) return 0;
    double n = Gen_Fbm(x / 64, y / 48, 4, seed);
    double window = 1 - Fx_Smooth(0.15 + 0.4 * n, 1.0, e);
    return window * (0.35 + 0.65 * Fx_Smooth(0.25, 0.7, n));
}

void Fog(const Manifest_Entry& e, Gen_Canvas& c) {
    double w = e.frame_w, h = e.frame_h;
    Fx_Paint(c, e, 0, [&](double x, double y) {
        double d = Puff_Density(x, y, w, h, 41);
        double light = Gen_Fbm(x / 40 + 7, y / 40 + 3, 3, 42);
        Gen_Rgb col = Gen_Mix({0.8, 0.82, 0.86}, {0.98, 0.99, 1}, Fx_Smooth(0.3, 0.7, light));
        return Gen_Px{col, d * 0.9};
    });
}

void Fire_Fog(const Manifest_Entry& e, Fx_Light& l) {
    double w = e.frame_w, h = e.frame_h;
    for (int y = 0; y < l.h; ++y)
        for (int x = 0; x < l.w; ++x) {
            double d = Puff_Density(x + 0.5, y + 0.5, w, h, 77);
            if (d <= 0) continue;
            double heat = Gen_Fbm(x / 36.0 + 3, y / 36.0 + 9, 3, 78);
            Gen_Rgb col = Gen_Mix({0.7, 0.1, 0.02}, {1, 0.55, 0.14}, Fx_Smooth(0.35, 0.7, heat));
            l.Add(x, y, col, d * 1.1);
        }
}

// A glowing ember: hot yellow middle, red body, dark ash rim (the rim only shows when the
// ember is blended over the board; added as light it is a small glow).
void Ember(const Manifest_Entry& e, Gen_Canvas& c) {
    Fx_Paint(c, e, 0, [](double x, double y) {
        double d = std::sqrt((x - 8) * (x - 8) + (y - 8) * (y - 8)) / 7.5;
        Gen_Rgb col = Gen_Mix({1, 0.85, 0.45}, {0.85, 0.22, 0.03}, Fx_Smooth(0.1, 0.45, d));
        col = Gen_Mix(col, {0.18, 0.06, 0.03}, Fx_Smooth(0.45, 0.85, d));
        return Gen_Px{col, 1 - Fx_Smooth(0.55, 1, d)};
    });
}

// A golden spark with a white-hot middle and short glinting rays.
void Fire_Spark(Fx_Light& l) {
    const Gen_Rgb gold = {1, 0.68, 0.22}, pale = {1, 0.88, 0.55};
    l.Glow(8, 8, 7.6, gold, 1.2, 1);
    l.Streak(1, 8, 15, 8, 0.9, pale, 0.9, 0.9);
    l.Streak(8, 1, 8, 15, 0.9, pale, 0.9, 0.9);
    l.Glow(8, 8, 3.4, kWhite, 2.6, 1.5);
}
} // namespace

bool Fx_DrawWeather(const Manifest_Entry& e, Gen_Canvas& c) {
    Fx_Light l(e.frame_w, e.frame_h);
    if (Named(e, "Snow_Flake1"))
        Flake_Soft(l);
    else if (Named(e, "Snow_Flake2"))
        Flake_Crystal(l);
    else if (Named(e, "Snow_Flake3"))
        Flake_Clump(l);
    else if (Named(e, "FX_Rain1"))
        Rain(l);
    else if (Named(e, "FX_Fire_FOG"))
        Fire_Fog(e, l);
    else if (Named(e, "FX_Spark_Fire"))
        Fire_Spark(l);
    else if (Named(e, "FX_FOG"))
        return Fog(e, c), true;
    else if (Named(e, "FX_Dark_Spark"))
        return Ember(e, c), true;
    else
        return false;
    l.Put(c, e, 0, 1);
    return true;
}
