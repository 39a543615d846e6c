// The scenes of the hint pictures, one per hint that has a picture: what the hint explains, shown
// with the board's own pearls, emblems, gun, hammer, items and effects.
#include <cmath>
#include <vector>
#include "content/gen/gen_groups.h"
#include "content/gen/gen_tutorial_art_kit.h"

// Pearls of `colors` along the track from arc length s0, touching, the first nearest the start.
std::vector<Tut_Placed> Tut_ChainOf(Tut_Kit& kit, const Tut_Track& t, double s0,
                                    const std::vector<int>& colors, const std::vector<int>& mods) {
    std::vector<Tut_Placed> at;
    for (size_t i = 0; i < colors.size(); ++i) {
        Tut_Placed p;
        t.At(s0 + i * 2 * kTutR, p.x, p.y, p.turn);
        at.push_back(p);
    }
    for (size_t i = 0; i < colors.size(); ++i) {
        if (i < mods.size() && mods[i] == 6) kit.Chain(at[i].x, at[i].y);
        if (colors[i] >= -1) kit.Pearl(colors[i], at[i].x, at[i].y, at[i].turn);
        if (i < mods.size() && mods[i] >= 0 && mods[i] != 6) kit.Emblem(mods[i], at[i].x, at[i].y);
    }
    return at;
}

// Sparkles that mark a shot's or a beam's way.
void Tut_Trail(cairo_t* cr, double x0, double y0, double x1, double y1, Gen_Rgb c, int n) {
    for (int i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / n;
        Gen_Glow(cr, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, 2 + 5 * t, c, 0.25 + 0.6 * t);
    }
}

void Tut_Gauge(cairo_t* cr, double x, double y, double w, double fill) {
    const double h = 12;
    Gen_RoundRectPath(cr, x, y, w, h, 6);
    Gen_SetColor(cr, {0.12, 0.08, 0.05});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    Gen_SetColor(cr, {1, 0.82, 0.3});
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, x + 2.5, y + 2.5, (w - 5) * fill, h - 5, 3.5);
    Gen_SetColor(cr, {0.3, 0.9, 0.45});
    cairo_fill(cr);
    Gen_Glow(cr, x + (w - 5) * fill, y + h / 2, 14, {0.7, 1, 0.7}, 0.9);
}

namespace {
const Gen_Rgb kGreen = {0.45, 1, 0.4}, kGold = {1, 0.82, 0.3}, kIce = {0.7, 0.9, 1}, kFire = {1, 0.55, 0.1};

struct Frame {
    double x, y, w, h;
    double X(double u) const { return x + u * w; }
    double Y(double v) const { return y + v * h; }
};

void Reverse(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 0);
    Tut_Track t(f.X(-0.1), f.Y(0.78), f.X(0.3), f.Y(0.95), f.X(0.7), f.Y(0.55), f.X(1.1), f.Y(0.72));
    Tut_Groove(k.cr, t, 0);
    auto at = Tut_ChainOf(k, t, 14, {1, 0, 4, 4, 4, 5, 3, 0}, {-1, -1, -1, 1, -1, -1, -1, -1});
    for (int i = 2; i <= 4; ++i)
        Tut_Halo(k.cr, at[i].x, at[i].y, Gen_PearlColor(4));
    k.Emblem(1, at[3].x, at[3].y);
    Tut_ArcArrow(k.cr, at[4].x - 4, at[4].y + 16, 44, -0.6, -2.55, kGreen);
}

void Joker(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 4);
    Tut_Track t(f.X(-0.1), f.Y(0.55), f.X(0.3), f.Y(0.35), f.X(0.7), f.Y(0.75), f.X(1.1), f.Y(0.5));
    Tut_Groove(k.cr, t, 4);
    auto at = Tut_ChainOf(k, t, 12, {3, 0, 0, 18, 4, 4, 1, 5});
    for (int i = 1; i <= 5; ++i)
        Tut_Halo(k.cr, at[i].x, at[i].y, i < 3 ? Gen_PearlColor(0) : i > 3 ? Gen_PearlColor(4) : kGold);
    k.Pearl(18, at[3].x, at[3].y, at[3].turn);
    Gen_Star(k.cr, at[3].x, at[3].y - 24, 9, 3, 4, 0, {1, 1, 0.9}, 0.95);
    Tut_Arrow(k.cr, at[3].x - 6, at[3].y - 22, at[1].x + 2, at[1].y - 16, Gen_PearlColor(0), 3.5);
    Tut_Arrow(k.cr, at[3].x + 6, at[3].y - 22, at[5].x - 2, at[5].y - 16, Gen_PearlColor(4), 3.5);
}

// The hammer button of the board's top right corner, charged and glowing.
void Hammer_Ready(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 0);
    Tut_Track t(f.X(-0.1), f.Y(0.85), f.X(0.3), f.Y(0.7), f.X(0.6), f.Y(0.95), f.X(1.1), f.Y(0.8));
    Tut_Groove(k.cr, t, 0);
    auto at = Tut_ChainOf(k, t, 10, {2, 5, 5, 5, 0, 3, 1, 4});
    for (int i = 1; i <= 3; ++i)
        k.Burst(5, at[i].x, at[i].y, 3 + i, 0.45);
    // The interface corner with the hammer's round button.
    double hx = f.X(0.8), hy = f.Y(0.3);
    cairo_rectangle(k.cr, f.X(0.55), f.y, f.w * 0.45, f.h * 0.1);
    Gen_SetColor(k.cr, {0.2, 0.13, 0.08}, 0.85);
    cairo_fill(k.cr);
    Gen_Glow(k.cr, hx, hy, 34, {1, 0.9, 0.5}, 0.8);
    cairo_arc(k.cr, hx, hy, 22, 0, 2 * M_PI);
    Gen_SetColor(k.cr, {0.16, 0.1, 0.06});
    cairo_fill(k.cr);
    Gen_Ring(k.cr, hx, hy, 21, 3, kGold, 1);
    k.Get(".\\Images\\Hammer\\hammer1.png").Draw(k.cr, 0, hx, hy, 0.62);
    Tut_Trail(k.cr, at[2].x, at[2].y - 10, hx - 18, hy + 12, {1, 0.9, 0.4}, 9);
    Tut_Arrow(k.cr, f.X(0.3), f.Y(0.22), hx - 28, hy - 2, kGold, 5);
}

void Freeze(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 2);
    Tut_Track t(f.X(-0.1), f.Y(0.7), f.X(0.3), f.Y(0.3), f.X(0.7), f.Y(0.9), f.X(1.1), f.Y(0.45));
    Tut_Groove(k.cr, t, 2);
    auto at = Tut_ChainOf(k, t, 10, {4, 0, 0, 0, 2, 5, 1, 3}, {-1, -1, 3, -1, -1, -1, -1, -1});
    k.Get(".\\images\\FX\\FX_Pause.png").Draw(k.cr, 0, f.X(0.55), f.Y(0.55), 0.9, 0.3, 0.5, true);
    for (const Tut_Placed& p : at) { // a glaze of frost over every pearl
        Gen_Glow(k.cr, p.x, p.y, kTutR * 1.2, kIce, 0.35);
        Gen_Star(k.cr, p.x + 5, p.y - 5, 3.5, 0.8, 4, 0.4, {1, 1, 1}, 0.9);
    }
    Tut_Halo(k.cr, at[2].x, at[2].y, kIce);
    k.Emblem(3, at[2].x, at[2].y);
}

// A hammer of level `level` (1..3) striking the chain: the smash and the pearls it takes.
void Hammer_Strike(Tut_Kit& k, const Frame& f, int level) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 0);
    Tut_Track t(f.X(-0.1), f.Y(0.72), f.X(0.3), f.Y(0.85), f.X(0.7), f.Y(0.6), f.X(1.1), f.Y(0.8));
    Tut_Groove(k.cr, t, 0);
    std::vector<int> colors =
        level == 3 ? std::vector<int>{4, 1, 4, 0, 4, 5, 4, 2} : std::vector<int>{1, 3, 0, 4, 2, 5, 0, 3};
    auto at = Tut_ChainOf(k, t, 10, colors);
    int hit = level == 3 ? 4 : 3;
    for (size_t i = 0; i < at.size(); ++i) {
        bool gone = level == 1   ? static_cast<int>(i) == hit
                    : level == 2 ? std::abs(static_cast<int>(i) - hit) <= 2
                                 : colors[i] == colors[hit];
        if (!gone) continue;
        Tut_Halo(k.cr, at[i].x, at[i].y, Gen_PearlColor(colors[i]));
        k.Burst(colors[i], at[i].x, at[i].y, static_cast<int>(i) == hit ? 3 : 5, 0.42);
    }
    k.Get(".\\images\\FX\\Hammer_Smash1.png").Draw(k.cr, 5, at[hit].x, at[hit].y, 0.45, 0, 0.9, true);
    const char* names[3] = {".\\Images\\Hammer\\hammer1.png", ".\\Images\\Hammer\\hammer2.png",
                            ".\\Images\\Hammer\\hammer3.png"};
    const double scale[3] = {0.85, 0.8, 0.72};
    k.Get(names[level - 1]).Draw(k.cr, 0, at[hit].x + 18, at[hit].y - 34, scale[level - 1], -0.5);
    for (int s = 0; s < level; ++s) // one star per hammer level
        Gen_Star(k.cr, f.X(0.1) + s * 15, f.Y(0.14), 6.5, 2.6, 5, 0, kGold, 1);
}

void Fireball(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 3);
    Tut_Track t(f.X(-0.1), f.Y(0.3), f.X(0.3), f.Y(0.15), f.X(0.7), f.Y(0.45), f.X(1.1), f.Y(0.25));
    Tut_Groove(k.cr, t, 3);
    auto at = Tut_ChainOf(k, t, 8, {0, 5, 5, 5, 1, 2, 4, 0}, {-1, -1, 5, -1, -1, -1, -1, -1});
    for (int i = 1; i <= 3; ++i)
        Tut_Halo(k.cr, at[i].x, at[i].y, Gen_PearlColor(5));
    k.Emblem(5, at[2].x, at[2].y);
    double gx = f.X(0.22), gy = f.Y(0.86), tx = f.X(0.78), ty = f.Y(0.3);
    double a = std::atan2(ty - gy, tx - gx);
    for (int i = 5; i <= 7; ++i)
        k.Burst(at[i].x > tx - 30 ? 3 : 4, at[i].x, at[i].y, 4 + i % 3, 0.45);
    k.Gun(gx, gy, a, -1, 3, 0.42);
    double fx = gx + (tx - gx) * 0.62, fy = gy + (ty - gy) * 0.62;
    for (int i = 0; i < 8; ++i) // the fireball's flaming wake
        Gen_Glow(k.cr, fx - (fx - gx) * i * 0.09, fy - (fy - gy) * i * 0.09, 12 - i, kFire, 0.6 - i * 0.06);
    k.Pearl(20, fx, fy, a, 14);
}

void Area_Bomb(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 0);
    Tut_Track t(f.X(-0.1), f.Y(0.6), f.X(0.3), f.Y(0.35), f.X(0.7), f.Y(0.85), f.X(1.1), f.Y(0.55));
    Tut_Groove(k.cr, t, 0);
    auto at = Tut_ChainOf(k, t, 8, {5, 1, 0, 4, 4, 4, 2, 3}, {-1, -1, -1, -1, 9, -1, -1, -1});
    const Tut_Placed& b = at[4];
    for (size_t i = 1; i <= 7; ++i)
        if (std::hypot(at[i].x - b.x, at[i].y - b.y) < 60)
            k.Burst(i >= 3 && i <= 5 ? 4 : 1, at[i].x, at[i].y, 5, 0.5);
    k.Get(".\\images\\FX\\circle_wave.png").Tint(k.cr, 20, b.x, b.y, 1.9, {1, 0.55, 0.2}, 0.9);
    Gen_Ring(k.cr, b.x, b.y, 56, 2.5, {1, 0.6, 0.2}, 0.7);
    k.Pearl(4, b.x, b.y, b.turn);
    k.Emblem(9, b.x, b.y);
}

void Precision(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 1);
    Tut_Track t(f.X(-0.1), f.Y(0.25), f.X(0.3), f.Y(0.1), f.X(0.7), f.Y(0.4), f.X(1.1), f.Y(0.2));
    Tut_Groove(k.cr, t, 1);
    auto at = Tut_ChainOf(k, t, 8, {3, 2, 0, 0, 5, 1, 1, 4}, {-1, -1, -1, 0, -1, -1, -1, -1});
    double gx = f.X(0.5), gy = f.Y(0.85);
    const Tut_Placed& aim = at[5];
    double a = std::atan2(aim.y - gy, aim.x - gx);
    k.Get("./images/pieces/mods/mod_precision_circle.png").Draw(k.cr, 0, gx, gy, 0.45, 0, 0.9, true);
    const Tut_Sprite& dot = k.Get("./images/pieces/mods/mod_precision_part.png");
    double len = std::hypot(aim.x - gx, aim.y - gy) - kTutR - 12;
    for (double d = 16; d < len; d += 5)
        dot.Draw(k.cr, 0, gx + d * std::cos(a), gy + d * std::sin(a), 1, 0, 1, true);
    k.Gun(gx, gy, a, 1, 2, 0.42);
    Tut_Halo(k.cr, at[3].x, at[3].y, {0.5, 0.9, 1});
    k.Emblem(0, at[3].x, at[3].y);
}

void Flame_Orb(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 3);
    Tut_Track t(f.X(-0.1), f.Y(0.75), f.X(0.3), f.Y(0.45), f.X(0.6), f.Y(0.8), f.X(0.86), f.Y(0.42));
    Tut_Groove(k.cr, t, 3);
    double hx, hy, ht;
    t.At(t.Length() - 1, hx, hy, ht);
    Tut_Hole(k.cr, hx, hy, 3);
    auto at = Tut_ChainOf(k, t, 4, {0, 1, 4, 2, 5, 0, 3}, {-1, -1, -1, -1, -1, -1, -1});
    for (int i = 3; i <= 6; ++i)
        k.Burst(i % 2 ? 3 : 4, at[i].x, at[i].y, 2 + i, 0.45);
    double ox, oy, ot;
    t.At(6 * 2 * kTutR + 22, ox, oy, ot);
    k.Get("./images/pieces/17_rev_clear.png").Draw(k.cr, 0, ox, oy, 0.22, ot + M_PI);
    Tut_Arrow(k.cr, ox + 4, oy - 24, at[3].x + 6, at[3].y - 24, kFire, 4.5);
    k.Pearl(3, f.X(0.14), f.Y(0.22), 0);
    k.Emblem(4, f.X(0.14), f.Y(0.22));
}

void Coin(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 0);
    double gx = f.X(0.25), gy = f.Y(0.82), cx = f.X(0.72), cy = f.Y(0.3);
    double a = std::atan2(cy - gy, cx - gx);
    Gen_Glow(k.cr, cx, cy, 30, {1, 0.9, 0.4}, 0.7);
    k.Get("./images/items/item_00.png").Draw(k.cr, 0, cx, cy, 0.7);
    for (int r = 0; r < 6; ++r)
        Gen_Star(k.cr, cx + 24 * std::cos(r * 1.05), cy + 24 * std::sin(r * 1.05), 4.5, 1, 4, 0, {1, 1, 0.8},
                 0.9);
    double sx = gx + (cx - gx) * 0.68, sy = gy + (cy - gy) * 0.68;
    Tut_Trail(k.cr, gx + 18 * std::cos(a), gy + 18 * std::sin(a), sx, sy, {1, 1, 0.9}, 8);
    k.Pearl(0, sx, sy, a);
    k.Gun(gx, gy, a, 4, 5, 0.4);
}

void Artefact(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 4);
    // The win gauge, filling up.
    double bx = f.X(0.12), by = f.Y(0.12), bw = f.w * 0.76, bh = 12;
    Tut_Gauge(k.cr, bx, by, bw, 0.72);
    double ix = f.X(0.42), iy = f.Y(0.66);
    Gen_Glow(k.cr, ix, iy, 34, {0.5, 1, 0.6}, 0.6);
    k.Get("./images/items/item_04.png").Draw(k.cr, 0, ix, iy, 0.9);
    Tut_Trail(k.cr, ix + 10, iy - 20, bx + (bw - 5) * 0.7, by + bh + 4, {0.7, 1, 0.7}, 9);
    Tut_Arrow(k.cr, ix + 26, iy - 6, bx + bw * 0.84, by + bh + 10, {0.5, 1, 0.55}, 4);
}

void Stardust(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 2);
    Tut_Track t(f.X(-0.1), f.Y(0.8), f.X(0.3), f.Y(0.5), f.X(0.7), f.Y(0.95), f.X(1.1), f.Y(0.6));
    Tut_Groove(k.cr, t, 2);
    auto at = Tut_ChainOf(k, t, 8, {1, 0, 0, 0, 3, 5, 4, 2}, {-1, -1, 2, -1, -1, -1, -1, -1});
    for (int i = 1; i <= 3; ++i)
        Tut_Halo(k.cr, at[i].x, at[i].y, Gen_PearlColor(0));
    k.Emblem(2, at[2].x, at[2].y);
    const Tut_Sprite& star = k.Get(".\\images\\FX\\FX_Random_Bomb.png");
    for (int i : {0, 5, 7}) {
        Tut_Trail(k.cr, at[2].x, at[2].y - 14, at[i].x, at[i].y - 30, {1, 0.95, 0.6}, 8);
        k.Burst(at[i].x > at[2].x ? 4 : 1, at[i].x, at[i].y, 4, 0.42);
        star.Draw(k.cr, 8, at[i].x, at[i].y - 14, 0.5, 0, 1, true);
    }
}

void Chained(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 0);
    Tut_Track t(f.X(-0.1), f.Y(0.7), f.X(0.3), f.Y(0.5), f.X(0.7), f.Y(0.9), f.X(1.1), f.Y(0.6));
    Tut_Groove(k.cr, t, 0);
    auto at = Tut_ChainOf(k, t, 8, {5, 2, 2, 2, 0, 1, 3, 4}, {-1, -1, -1, 6, 6, -1, -1, -1});
    // Big: the chained pearl, whose first match only breaks the chain.
    double cx = f.X(0.5), cy = f.Y(0.3);
    Gen_Glow(k.cr, cx, cy, 34, {0.9, 0.9, 1}, 0.4);
    k.Chain(cx, cy, 22);
    k.Pearl(2, cx, cy, 0, 22);
    Tut_Halo(k.cr, at[3].x, at[3].y, Gen_PearlColor(2));
}

void Score(Tut_Kit& k, const Frame& f) {
    Tut_Card(k.cr, f.x, f.y, f.w, f.h, 4);
    Tut_Track t(f.X(-0.1), f.Y(0.85), f.X(0.3), f.Y(0.7), f.X(0.7), f.Y(1.0), f.X(1.1), f.Y(0.8));
    Tut_Groove(k.cr, t, 4);
    Tut_ChainOf(k, t, 8, {0, 3, 3, 5, 1, 4, 2, 0}, {-1, 7, -1, -1, -1, 8, -1, -1});
    const struct {
        double u;
        int color, kind;
        const char* text;
    } big[2] = {{0.28, 3, 7, "x2"}, {0.72, 4, 8, "x3"}};
    const Tut_Sprite& wave = k.Get(".\\images\\FX\\circle_wave.png");
    for (const auto& b : big) {
        double x = f.X(b.u), y = f.Y(0.4);
        wave.Tint(k.cr, 10, x, y, 1.1, kGold, 0.7);
        k.Pearl(b.color, x, y, 0, 20);
        k.Emblem(b.kind, x, y, 20);
        Tut_Label(k.cr, x, y - 24, 20, b.text, kGold);
    }
}
} // namespace

bool Tut_DrawScene(Tut_Kit& kit, int id, double x, double y, double w, double h) {
    Frame f = {x, y, w, h};
    switch (id) {
    case 2:
        return Reverse(kit, f), true;
    case 3:
        return Joker(kit, f), true;
    case 5:
        return Hammer_Ready(kit, f), true;
    case 8:
        return Freeze(kit, f), true;
    case 9:
        return Hammer_Strike(kit, f, 1), true;
    case 10:
        return Hammer_Strike(kit, f, 2), true;
    case 11:
        return Hammer_Strike(kit, f, 3), true;
    case 12:
        return Fireball(kit, f), true;
    case 13:
        return Area_Bomb(kit, f), true;
    case 14:
        return Precision(kit, f), true;
    case 15:
        return Flame_Orb(kit, f), true;
    case 16:
        return Coin(kit, f), true;
    case 17:
        return Artefact(kit, f), true;
    case 18:
        return Stardust(kit, f), true;
    case 19:
        return Chained(kit, f), true;
    case 20:
        return Score(kit, f), true;
    default:
        return false;
    }
}
