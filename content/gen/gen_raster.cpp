// Per-pixel drawing: value noise, pixel compositing and rendered balls.
#include "content/gen/gen_raster.h"
#include <algorithm>
#include <cmath>

namespace {
uint32_t Hash(int x, int y, int seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

double Lattice(int x, int y, int seed) {
    return (Hash(x, y, seed) & 0xffffff) / 16777215.0;
}

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

double Clamp01(double v) {
    return v < 0 ? 0 : v > 1 ? 1 : v;
}
} // namespace

double Gen_Noise(double x, double y, int seed) {
    double fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    double tx = Smooth(x - fx), ty = Smooth(y - fy);
    double a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
    double c = Lattice(ix, iy + 1, seed), d = Lattice(ix + 1, iy + 1, seed);
    return a + (b - a) * tx + (c - a) * ty + (a - b - c + d) * tx * ty;
}

double Gen_Fbm(double x, double y, int octaves, int seed) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * Gen_Noise(x, y, seed + i * 131);
        norm += amp;
        x = x * 2.03 + 17.1;
        y = y * 2.03 + 5.7;
        amp *= 0.5;
    }
    return sum / norm;
}

void Gen_Over(Gen_Canvas& cv, int x, int y, Gen_Rgb c, double a) {
    if (x < 0 || y < 0 || x >= cv.w || y >= cv.h || a <= 0) return;
    unsigned char* data = cairo_image_surface_get_data(cv.surface);
    int stride = cairo_image_surface_get_stride(cv.surface);
    uint32_t* p = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride) + x;
    a = Clamp01(a);
    double da = (*p >> 24) / 255.0, dr = ((*p >> 16) & 255) / 255.0, dg = ((*p >> 8) & 255) / 255.0,
           db = (*p & 255) / 255.0;
    double k = 1 - a;
    auto to8 = [](double v) { return static_cast<uint32_t>(std::lround(Clamp01(v) * 255)); };
    *p = to8(a + da * k) << 24 | to8(Clamp01(c.r) * a + dr * k) << 16 | to8(Clamp01(c.g) * a + dg * k) << 8 |
         to8(Clamp01(c.b) * a + db * k);
}

void Gen_RenderBall(Gen_Canvas& cv, double cx, double cy, double r, const Gen_SurfaceFn& surface,
                    const Gen_BallLook& look) {
    cairo_surface_flush(cv.surface);
    const int n = 3;
    double cr = std::cos(look.roll), sr = std::sin(look.roll);
    int x0 = static_cast<int>(std::floor(cx - r)), x1 = static_cast<int>(std::ceil(cx + r));
    int y0 = static_cast<int>(std::floor(cy - r)), y1 = static_cast<int>(std::ceil(cy + r));
    for (int py = y0; py <= y1; ++py)
        for (int px = x0; px <= x1; ++px) {
            double sum_r = 0, sum_g = 0, sum_b = 0, cover = 0;
            for (int sy = 0; sy < n; ++sy)
                for (int sx = 0; sx < n; ++sx) {
                    double nx = (px + (sx + 0.5) / n - cx) / r, ny = (py + (sy + 0.5) / n - cy) / r;
                    double q = nx * nx + ny * ny;
                    if (q >= 1) continue;
                    double nz = std::sqrt(1 - q);
                    // Turn the view point into the ball's frame: rolling about the y axis.
                    double ux = nx * cr - nz * sr, uz = nx * sr + nz * cr;
                    Gen_Px s = surface(ux, ny, uz);
                    double shade = (1 - look.rim_dark * std::pow(1 - nz, 1.2)) * (0.78 + 0.22 * nz);
                    double band = std::exp(-std::pow((nz - 0.16) / 0.09, 2)) * look.ring_light;
                    double spec = std::pow(nz, 14) * 0.32 + std::pow(nz, 90) * 0.35;
                    double white = (band + spec) * look.shine;
                    Gen_Rgb col = {s.c.r * shade + white, s.c.g * shade + white, s.c.b * shade + white};
                    sum_r += Clamp01(col.r) * s.a;
                    sum_g += Clamp01(col.g) * s.a;
                    sum_b += Clamp01(col.b) * s.a;
                    cover += s.a;
                }
            if (cover <= 0) continue;
            Gen_Over(cv, px, py, {sum_r / cover, sum_g / cover, sum_b / cover}, cover / (n * n));
        }
    cairo_surface_mark_dirty(cv.surface);
}

void Gen_CellOrigin(const Manifest_Entry& e, int frame, int& ox, int& oy) {
    int cols = std::max(e.columns, 1);
    ox = (frame % cols) * e.frame_w;
    oy = (frame / cols) * e.frame_h;
}
