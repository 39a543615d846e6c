// Light buffer and per-pixel painting of the effect art.
#include "content/gen/gen_fx_draw.h"
#include <algorithm>
#include <cmath>
#include "content/gen/gen_raster.h"

namespace {
// Compact bell: 1 at t = 0, 0 from t = 1 on, smooth at both ends.
double Bell(double t, double sharp) {
    if (t >= 1) return 0;
    double u = 1 - t * t;
    return u * u * std::exp(-sharp * t * t);
}
} // namespace

double Fx_Smooth(double a, double b, double v) {
    double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

Fx_Light::Fx_Light(int width, int height)
    : w(width), h(height), px(static_cast<size_t>(width) * height * 3, 0.f) {}

void Fx_Light::Add(int x, int y, Gen_Rgb c, double k) {
    if (x < 0 || y < 0 || x >= w || y >= h || k <= 0) return;
    float* p = &px[(static_cast<size_t>(y) * w + x) * 3];
    p[0] += static_cast<float>(c.r * k);
    p[1] += static_cast<float>(c.g * k);
    p[2] += static_cast<float>(c.b * k);
}

void Fx_Light::Glow(double cx, double cy, double r, Gen_Rgb c, double k, double sharp) {
    if (r <= 0) return;
    int x0 = std::max(0, static_cast<int>(cx - r)), x1 = std::min(w - 1, static_cast<int>(cx + r) + 1);
    int y0 = std::max(0, static_cast<int>(cy - r)), y1 = std::min(h - 1, static_cast<int>(cy + r) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            Add(x, y, c, k * Bell(std::sqrt(dx * dx + dy * dy) / r, sharp));
        }
}

void Fx_Light::Streak(double x0, double y0, double x1, double y1, double hw, Gen_Rgb c, double k0,
                      double k1) {
    double vx = x1 - x0, vy = y1 - y0, len2 = vx * vx + vy * vy;
    if (hw <= 0) return;
    int bx0 = std::max(0, static_cast<int>(std::min(x0, x1) - hw));
    int bx1 = std::min(w - 1, static_cast<int>(std::max(x0, x1) + hw) + 1);
    int by0 = std::max(0, static_cast<int>(std::min(y0, y1) - hw));
    int by1 = std::min(h - 1, static_cast<int>(std::max(y0, y1) + hw) + 1);
    for (int y = by0; y <= by1; ++y)
        for (int x = bx0; x <= bx1; ++x) {
            double px_ = x + 0.5 - x0, py_ = y + 0.5 - y0;
            double t = len2 > 0 ? std::clamp((px_ * vx + py_ * vy) / len2, 0.0, 1.0) : 0;
            double dx = px_ - vx * t, dy = py_ - vy * t;
            double k = k0 + (k1 - k0) * t;
            Add(x, y, c, k * Bell(std::sqrt(dx * dx + dy * dy) / hw, 1.5));
        }
}

void Fx_Light::Path(const std::vector<std::array<double, 3>>& pts, double hw, Gen_Rgb c) {
    if (pts.size() < 2 || hw <= 0) return;
    double bx0 = w, by0 = h, bx1 = 0, by1 = 0;
    for (const auto& p : pts)
        bx0 = std::min(bx0, p[0]), by0 = std::min(by0, p[1]), bx1 = std::max(bx1, p[0]),
        by1 = std::max(by1, p[1]);
    int x0 = std::max(0, static_cast<int>(bx0 - hw)), x1 = std::min(w - 1, static_cast<int>(bx1 + hw) + 1);
    int y0 = std::max(0, static_cast<int>(by0 - hw)), y1 = std::min(h - 1, static_cast<int>(by1 + hw) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double best = 1e30, k = 0;
            for (size_t i = 0; i + 1 < pts.size(); ++i) {
                double vx = pts[i + 1][0] - pts[i][0], vy = pts[i + 1][1] - pts[i][1],
                       len2 = vx * vx + vy * vy;
                double qx = x + 0.5 - pts[i][0], qy = y + 0.5 - pts[i][1];
                double t = len2 > 0 ? std::clamp((qx * vx + qy * vy) / len2, 0.0, 1.0) : 0;
                double dx = qx - vx * t, dy = qy - vy * t, d2 = dx * dx + dy * dy;
                if (d2 < best) best = d2, k = pts[i][2] + (pts[i + 1][2] - pts[i][2]) * t;
            }
            Add(x, y, c, k * Bell(std::sqrt(best) / hw, 1.5));
        }
}

void Fx_Light::Ring(double cx, double cy, double r, double hw, Gen_Rgb c, double k) {
    double reach = r + hw;
    int x0 = std::max(0, static_cast<int>(cx - reach)),
        x1 = std::min(w - 1, static_cast<int>(cx + reach) + 1);
    int y0 = std::max(0, static_cast<int>(cy - reach)),
        y1 = std::min(h - 1, static_cast<int>(cy + reach) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            Add(x, y, c, k * Bell(std::abs(std::sqrt(dx * dx + dy * dy) - r) / hw, 1));
        }
}

void Fx_Light::Put(Gen_Canvas& cv, const Manifest_Entry& e, int frame, double fade_edge) const {
    cairo_surface_flush(cv.surface);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float* p = &px[(static_cast<size_t>(y) * w + x) * 3];
            double edge = std::min({x + 0.5, y + 0.5, w - x - 0.5, h - y - 0.5});
            double fade = fade_edge > 0 ? Fx_Smooth(0, fade_edge, edge) : 1;
            double r = (1 - std::exp(-p[0])) * fade, g = (1 - std::exp(-p[1])) * fade,
                   b = (1 - std::exp(-p[2])) * fade;
            double a = std::max({r, g, b});
            if (a < 1.0 / 512) continue;
            Fx_OverCell(cv, e, frame, x, y, {r / a, g / a, b / a}, a);
        }
    cairo_surface_mark_dirty(cv.surface);
}

void Fx_OverCell(Gen_Canvas& cv, const Manifest_Entry& e, int frame, int x, int y, Gen_Rgb c, double a) {
    int ox = 0, oy = 0;
    Gen_CellOrigin(e, frame, ox, oy);
    Gen_Over(cv, ox + x, oy + y, c, a);
}
