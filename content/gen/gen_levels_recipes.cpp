// Geometry recipes: each shape appends waypoints to the track being written.
#include "content/gen/gen_levels_recipes.h"
#include <cmath>

namespace {
constexpr double kDeg = M_PI / 180;
constexpr double kRowStep = 140;   // waypoint spacing along straight rows and columns
constexpr double kCorner = 50;     // radius of the rounded corners of rectangular spirals
constexpr double kUnderHalf = 95;  // layer switches this far either side of an element's centre
constexpr double kUnderLead = 135; // straight lead into and out of an element

struct V {
    double x, y;
};
V Norm(V v) {
    double d = std::sqrt(v.x * v.x + v.y * v.y);
    return d > 0 ? V{v.x / d, v.y / d} : V{0, 0};
}
} // namespace

Lv_Builder& Lv_Builder::To(double x, double y) {
    t.way.push_back({x, y, 8});
    return *this;
}

Lv_Builder& Lv_Builder::Spiral(double cx, double cy, double a0, double turns, double rx0, double ry0,
                               double rx1, double ry1, double step) {
    int n = int(std::round(std::fabs(turns) * 360 / step));
    double dir = turns < 0 ? -1 : 1;
    for (int k = 0; k <= n; ++k) {
        double f = n ? double(k) / n : 0, a = (a0 + dir * k * step) * kDeg;
        To(cx + (rx0 + (rx1 - rx0) * f) * std::cos(a), cy + (ry0 + (ry1 - ry0) * f) * std::sin(a));
    }
    return *this;
}

namespace {
// Half circle from (along, across0) to (along, across1) bulging by `side`; `vertical` swaps
// the axes so that columns use the same shape as rows.
void Half_Circle(Lv_Builder& b, double along, double a0, double a1, int side, bool vertical) {
    double r = std::fabs(a1 - a0) / 2;
    for (int phi = 45; phi <= 135; phi += 45) {
        double u = along + side * r * std::sin(phi * kDeg),
               v = a0 + (a1 - a0) * (1 - std::cos(phi * kDeg)) / 2;
        vertical ? b.To(v, u) : b.To(u, v);
    }
}

void Serpentine(Lv_Builder& b, const std::vector<double>& lines, double from0, double to0, bool vertical) {
    for (size_t i = 0; i < lines.size(); ++i) {
        double from = i % 2 ? to0 : from0, to = i % 2 ? from0 : to0;
        int n = std::max(1, int(std::ceil(std::fabs(to - from) / kRowStep)));
        for (int k = 0; k <= n; ++k) {
            double u = from + (to - from) * k / n;
            vertical ? b.To(lines[i], u) : b.To(u, lines[i]);
        }
        if (i + 1 < lines.size()) Half_Circle(b, to, lines[i], lines[i + 1], to > from ? 1 : -1, vertical);
    }
}
} // namespace

Lv_Builder& Lv_Builder::Turn(double x, double y0, double y1, int side) {
    Half_Circle(*this, x, y0, y1, side, false);
    return *this;
}

Lv_Builder& Lv_Builder::Rows(const std::vector<double>& ys, double xa, double xb) {
    Serpentine(*this, ys, xa, xb, false);
    return *this;
}

Lv_Builder& Lv_Builder::Cols(const std::vector<double>& xs, double ya, double yb) {
    Serpentine(*this, xs, ya, yb, true);
    return *this;
}

Lv_Builder& Lv_Builder::RectSpiral(double cx, double cy, double hw, double hh, double shrink, int quarters,
                                   double a0, bool cw) {
    std::vector<V> c;
    for (int k = 0; k <= quarters; ++k) {
        double a = (a0 + (cw ? 90 : -90) * k) * kDeg, s = shrink * k;
        c.push_back({cx + (hw - s) * (std::cos(a) > 0 ? 1 : -1), cy + (hh - s) * (std::sin(a) > 0 ? 1 : -1)});
    }
    To(c[0].x, c[0].y);
    for (int k = 1; k <= quarters; ++k) {
        V in = Norm({c[k].x - c[k - 1].x, c[k].y - c[k - 1].y});
        V a{c[k].x - in.x * kCorner, c[k].y - in.y * kCorner};
        double side = std::hypot(a.x - c[k - 1].x, a.y - c[k - 1].y);
        int n = int(side / kRowStep);
        for (int j = 1; j <= n; ++j)
            To(c[k - 1].x + (a.x - c[k - 1].x) * j / (n + 1), c[k - 1].y + (a.y - c[k - 1].y) * j / (n + 1));
        if (k == quarters) {
            To(a.x, a.y);
            break;
        }
        V out = Norm({c[k + 1].x - c[k].x, c[k + 1].y - c[k].y});
        V o{a.x + out.x * kCorner, a.y + out.y * kCorner};
        V m = Norm({c[k].x - o.x, c[k].y - o.y});
        To(a.x, a.y);
        To(o.x + m.x * kCorner, o.y + m.y * kCorner);
        To(c[k].x + out.x * kCorner, c[k].y + out.y * kCorner);
    }
    return *this;
}

Lv_Builder& Lv_Builder::Under(double cx, double cy, int dir, int img) {
    To(cx - dir * kUnderLead, cy);
    t.way.push_back({cx - dir * kUnderHalf, cy, 18});
    t.way.push_back({cx + dir * kUnderHalf, cy, 8});
    To(cx + dir * kUnderLead, cy);
    t.elems.push_back({int(std::round(cx)) - 80, int(std::round(cy)) - 50, 16, img});
    return *this;
}

Lv_Builder& Lv_Builder::Enter(double dx, double dy) {
    if (t.way.size() < 2) return *this;
    V s{t.way[0].x, t.way[0].y};
    V d = dx || dy ? Norm({dx, dy}) : Norm({s.x - t.way[1].x, s.y - t.way[1].y});
    V e = s;
    for (int k = 1; k < 100; ++k) {
        e = {s.x + d.x * 10 * k, s.y + d.y * 10 * k};
        if (e.x < -30 || e.x > 830 || e.y > 630 || e.y < -30) break;
    }
    t.way.insert(t.way.begin(), Lv_Way{std::round(e.x), std::round(e.y), 8});
    return *this;
}
