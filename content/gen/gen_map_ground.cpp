// Ground of the level-choose map, painted pixel by pixel: meadows with fields and hedges, a
// sandy coast and the sea, snowfields round a frozen lake, black basalt split by glowing lava,
// and golden dunes veined with gold. Every land is lit from the upper left over a soft relief.
#include <algorithm>
#include <cmath>
#include "content/gen/gen_map.h"
#include "content/gen/gen_raster.h"

namespace {
double Smoothstep(double a, double b, double v) {
    double t = (v - a) / (b - a);
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return t * t * (3 - 2 * t);
}

// Distances to the nearest and second nearest point of a jittered grid of cells of size 1.
void Cells(double x, double y, int seed, double& f1, double& f2) {
    f1 = f2 = 9;
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            double px = ix + i + 0.1 + Gen_Noise(ix + i + 0.5, iy + j + 0.5, seed) * 0.8;
            double py = iy + j + 0.1 + Gen_Noise(ix + i + 0.5, iy + j + 0.5, seed + 1) * 0.8;
            double d = std::hypot(px - x, py - y);
            if (d < f1)
                f2 = f1, f1 = d;
            else if (d < f2)
                f2 = d;
        }
}

// Value of the nearest cell point, stable over the whole cell.
double Cell_Id(double x, double y, int seed) {
    double best = 9, id = 0;
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            double px = ix + i + 0.1 + Gen_Noise(ix + i + 0.5, iy + j + 0.5, seed) * 0.8;
            double py = iy + j + 0.1 + Gen_Noise(ix + i + 0.5, iy + j + 0.5, seed + 1) * 0.8;
            double d = std::hypot(px - x, py - y);
            if (d < best) best = d, id = Gen_Noise(ix + i + 0.5, iy + j + 0.5, seed + 2);
        }
    return id;
}

// How much of (x, y) is open sea, and how far past the shore it lies.
double Sea(double x, double y, double road, double any, double share, double& depth) {
    depth = road - (12 + 24 * Gen_Fbm(x / 55, y / 55, 3, 22));
    return Smoothstep(0, 2.5, depth) * Smoothstep(0.55, 0.8, share) * Smoothstep(11, 16, any);
}

Gen_Rgb Meadow(double x, double y, double road) {
    double n = Gen_Fbm(x / 80, y / 80, 3, 11);
    Gen_Rgb c = Gen_Mix({0.27, 0.48, 0.16}, {0.5, 0.68, 0.25}, Smoothstep(0.3, 0.72, n));
    // Patchwork fields with hedges where the farmland lies, away from the roads.
    double farm = Smoothstep(0.5, 0.58, Gen_Fbm(x / 150 + 7, y / 150, 2, 12)) * Smoothstep(10, 22, road);
    if (farm > 0) {
        double cx = x / 26 + 0.3 * Gen_Noise(x / 30, y / 30, 13), cy = y / 20;
        double id = Cell_Id(cx, cy, 14), f1, f2;
        Cells(cx, cy, 14, f1, f2);
        static const Gen_Rgb crops[4] = {
            {0.78, 0.7, 0.32}, {0.56, 0.66, 0.22}, {0.42, 0.58, 0.2}, {0.66, 0.5, 0.26}};
        Gen_Rgb field = crops[static_cast<int>(id * 3.99)];
        field = Gen_Mix(field, Gen_Mix(field, {0, 0, 0}, 0.2), Gen_Noise(x / 1.5, y / 6, 15) * 0.5);
        field = Gen_Mix(Gen_Mix(field, {0.12, 0.26, 0.08}, 0.6), field,
                        Smoothstep(0.03, 0.08, f2 - f1)); // hedges
        c = Gen_Mix(c, field, farm);
    }
    return Gen_Mix(c, Gen_Mix(c, {0.1, 0.2, 0.02}, 0.4), Gen_Noise(x / 2.5, y / 2.5, 16) * 0.35);
}

// The coast: sand along the road, the sea beyond, shallow to deep with waves and foam.
Gen_Rgb Coast(double x, double y, double road, double any, double share) {
    double grain = Gen_Noise(x / 1.8, y / 1.8, 21);
    Gen_Rgb sand = Gen_Mix({0.86, 0.75, 0.5}, {0.96, 0.88, 0.66}, 0.3 + 0.5 * grain);
    double depth = 0, sea = Sea(x, y, road, any, share, depth);
    if (sea <= 0) return sand;
    Gen_Rgb water = Gen_Mix({0.25, 0.74, 0.76}, {0.05, 0.28, 0.55}, Smoothstep(4, 70, depth));
    water = Gen_Mix(water, {0.02, 0.16, 0.38}, Smoothstep(70, 160, depth) * 0.7);
    double ripple = std::sin(x * 0.09 + y * 0.16 + 9 * Gen_Fbm(x / 40, y / 40, 3, 23));
    water = Gen_Mix(water, {0.7, 0.92, 1}, Smoothstep(0.92, 1.0, ripple) * 0.35);
    double foam = Smoothstep(4.5, 1.5, depth) + 0.5 * Smoothstep(2, 0, std::fabs(depth - 9 - 3 * grain));
    water = Gen_Mix(water, {0.97, 0.99, 1}, std::min(1.0, foam) * 0.85);
    Gen_Rgb wet = Gen_Mix(sand, {0.55, 0.5, 0.38}, 0.5);
    return Gen_Mix(Gen_Mix(sand, wet, Smoothstep(-4, 0, depth)), water, sea);
}

Gen_Rgb Snow(double x, double y, double any) {
    double n = Gen_Fbm(x / 60, y / 60, 3, 31);
    Gen_Rgb c = Gen_Mix({0.78, 0.85, 0.95}, {0.97, 0.99, 1}, Smoothstep(0.25, 0.7, n));
    double e = std::hypot((x - 362) / 62, (y - 158) / 44) + 0.35 * (Gen_Fbm(x / 30, y / 30, 3, 32) - 0.5);
    double lake = Smoothstep(1.0, 0.93, e) * Smoothstep(12, 18, any);
    if (lake > 0) {
        double f1, f2;
        Cells(x / 22, y / 22, 33, f1, f2);
        Gen_Rgb ice =
            Gen_Mix({0.42, 0.66, 0.86}, {0.66, 0.86, 0.96}, Gen_Fbm(x / 25 + y / 90, y / 12, 3, 34));
        ice = Gen_Mix(ice, {0.95, 0.98, 1}, Smoothstep(0.06, 0.0, f2 - f1) * 0.7);
        ice = Gen_Mix(ice, {1, 1, 1}, Smoothstep(0.82, 0.98, e) * 0.7); // frosted shore
        c = Gen_Mix(c, ice, lake);
    }
    return c;
}

Gen_Rgb Basalt(double x, double y, double any) {
    double f1, f2;
    Cells(x / 26, y / 26, 41, f1, f2);
    Gen_Rgb rock = Gen_Mix({0.18, 0.15, 0.15}, {0.38, 0.31, 0.28}, Gen_Fbm(x / 12, y / 12, 3, 42));
    rock = Gen_Mix(rock, {0.08, 0.05, 0.05}, f1 * 0.45);
    double crack = Smoothstep(0.07, 0.0, f2 - f1) * Smoothstep(8, 14, any);
    rock = Gen_Mix(rock, {0.85, 0.25, 0.03}, crack * 0.75);
    // Lava rivers wind between the rocks, away from the roads.
    double river = std::fabs(Gen_Fbm(x / 90, y / 90, 4, 43) - 0.5);
    double lava = Smoothstep(0.03, 0.012, river) * Smoothstep(14, 22, any);
    if (lava > 0) {
        Gen_Rgb hot = Gen_Mix({1, 0.92, 0.45}, {0.95, 0.32, 0.02}, Smoothstep(0.0, 0.025, river));
        rock = Gen_Mix(Gen_Mix(rock, {0.6, 0.1, 0.02}, Smoothstep(0.045, 0.02, river) * 0.6), hot, lava);
    } else {
        rock =
            Gen_Mix(rock, {0.6, 0.1, 0.02}, Smoothstep(0.05, 0.025, river) * Smoothstep(14, 22, any) * 0.6);
    }
    return rock;
}

Gen_Rgb Gold(double x, double y) {
    double w = Gen_Fbm(x / 70, y / 70, 3, 51);
    double dune = 0.5 + 0.5 * std::sin(x * 0.05 + y * 0.09 + 8 * w);
    Gen_Rgb c = Gen_Mix({0.82, 0.56, 0.18}, {1.0, 0.86, 0.45}, dune);
    double vein = std::fabs(std::sin((x * 0.6 - y * 0.4) / 30 + 6 * Gen_Fbm(x / 50, y / 50, 3, 52)));
    c = Gen_Mix(c, {1, 0.97, 0.75}, Smoothstep(0.06, 0.0, vein) * 0.6);
    if (Gen_Noise(x * 0.7, y * 0.7, 53) > 0.93) c = Gen_Mix(c, {1, 1, 0.9}, 0.6); // glitter
    return c;
}

// Height of the land for its relief shading; the snow lies over higher, rougher ground.
double Height(double x, double y, const double share[5]) {
    double h = Gen_Fbm(x / 45, y / 45, 4, 61);
    return h * (10 + 14 * share[2] + 8 * share[3] - 6 * share[1]);
}

uint32_t Pack_Px(Gen_Rgb p) {
    auto to8 = [](double v) {
        return static_cast<uint32_t>(std::lround(std::min(1.0, std::max(0.0, v)) * 255));
    };
    return 0xff000000u | to8(p.r) << 16 | to8(p.g) << 8 | to8(p.b);
}
} // namespace

double Map_SeaDepth(const Map_Field& f, double x, double y) {
    double share[5], depth = 0;
    Map_LandShares(f, x, y, share);
    return Sea(x, y, f.At(1, x, y), f.At(-1, x, y), share[1], depth) > 0.9 ? depth : -1;
}

void Map_PaintGround(Gen_Canvas& c, const Map_Field& f) {
    cairo_surface_flush(c.surface);
    unsigned char* data = cairo_image_surface_get_data(c.surface);
    int stride = cairo_image_surface_get_stride(c.surface);
    for (int y = 0; y < c.h; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < c.w; ++x) {
            double share[5], any = f.At(-1, x, y);
            Map_LandShares(f, x, y, share);
            Gen_Rgb p = {0, 0, 0};
            for (int k = 0; k < 5; ++k) {
                if (share[k] < 0.01) continue;
                Gen_Rgb l;
                switch (k) {
                case 1:
                    l = Coast(x, y, f.At(1, x, y), any, share[1]);
                    break;
                case 2:
                    l = Snow(x, y, any);
                    break;
                case 3:
                    l = Basalt(x, y, any);
                    break;
                case 4:
                    l = Gold(x, y);
                    break;
                default:
                    l = Meadow(x, y, any);
                    break;
                }
                p = {p.r + l.r * share[k], p.g + l.g * share[k], p.b + l.b * share[k]};
            }
            double slope = Height(x - 1.5, y - 1.5, share) - Height(x + 1.5, y + 1.5, share);
            double light = 1 + std::max(-0.18, std::min(0.18, slope * 0.3));
            p = {p.r * light, p.g * light, p.b * light};
            row[x] = Pack_Px(p);
        }
    }
    cairo_surface_mark_dirty(c.surface);
}
