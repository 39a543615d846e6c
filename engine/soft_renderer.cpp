// Software rasteriser: triangles are set up in 24.8 fixed point with exact integer edge
// functions, each row's covered span is solved analytically, and a span function chosen per
// triangle (blend mode x sampling x colour mode, all templates) fills it.
#include "engine/soft_renderer.h"
#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr int kW = 800, kH = 600;
constexpr double kMaxCoord = 4194304.0; // keeps 24.8 products inside 64 bits
constexpr double kMaxTexel = 32000.0;   // keeps 16.16 texel coordinates inside 32 bits

enum { TEX_NONE, TEX_NEAREST, TEX_LINEAR };
enum { COL_WHITE, COL_ALPHA, COL_CONST, COL_SMOOTH }; // ALPHA: white tint with alpha < 1

inline uint32_t Div255(uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}
inline uint32_t Mul255(uint32_t a, uint32_t b) {
    return Div255(a * b);
}
// Div255 on the two 16-bit lanes of x (each at most 65025).
inline uint32_t Div255_Lanes(uint32_t x) {
    x += 0x00800080;
    return ((x + ((x >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
}

// What a span needs: the texture, texel coordinates and colour with their steps along x.
struct Span_State {
    const uint32_t* tex = nullptr;
    int tw = 0, th = 0;
    int32_t s = 0, t = 0, ds = 0, dt = 0; // texel coordinates, 16.16
    int32_t c[4] = {}, dc[4] = {};        // a, r, g, b, 16.16 in 0..255
    uint32_t tint = 0xFFFFFFFF;           // constant ARGB tint
};

inline uint32_t Lerp_Packed(uint32_t a, uint32_t b, uint32_t f) {
    uint32_t g = 256 - f;
    uint32_t rb = (((a & 0xFF00FF) * g + (b & 0xFF00FF) * f) >> 8) & 0xFF00FF;
    uint32_t ag = (((a >> 8) & 0xFF00FF) * g + ((b >> 8) & 0xFF00FF) * f) & 0xFF00FF00;
    return rb | ag;
}

#define SOFT_INLINE inline __attribute__((always_inline))

template <int Tex> SOFT_INLINE uint32_t Fetch(const Span_State& st, int32_t s, int32_t t) {
    if constexpr (Tex == TEX_NEAREST) {
        int x = std::clamp(s >> 16, 0, st.tw - 1), y = std::clamp(t >> 16, 0, st.th - 1);
        return st.tex[y * st.tw + x];
    } else {
        int32_t ss = s - 32768, tt = t - 32768;
        uint32_t fx = (ss >> 8) & 255, fy = (tt >> 8) & 255;
        int x0 = ss >> 16, y0 = tt >> 16;
        int x1 = std::clamp(x0 + 1, 0, st.tw - 1), y1 = std::clamp(y0 + 1, 0, st.th - 1);
        x0 = std::clamp(x0, 0, st.tw - 1);
        y0 = std::clamp(y0, 0, st.th - 1);
        const uint32_t* r0 = st.tex + y0 * st.tw;
        if ((fx | fy) == 0) return r0[x0];
        const uint32_t* r1 = st.tex + y1 * st.tw;
        return Lerp_Packed(Lerp_Packed(r0[x0], r0[x1], fx), Lerp_Packed(r1[x0], r1[x1], fx), fy);
    }
}

SOFT_INLINE uint32_t Modulate(uint32_t p, uint32_t tint) {
    return Mul255(p >> 24, tint >> 24) << 24 | Mul255((p >> 16) & 255, (tint >> 16) & 255) << 16 |
           Mul255((p >> 8) & 255, (tint >> 8) & 255) << 8 | Mul255(p & 255, tint & 255);
}

inline uint32_t Pack(const int32_t* c) {
    auto ch = [](int32_t v) { return static_cast<uint32_t>(std::clamp(v >> 16, 0, 255)); };
    return ch(c[0]) << 24 | ch(c[1]) << 16 | ch(c[2]) << 8 | ch(c[3]);
}

template <int Blend> SOFT_INLINE void Put(uint32_t& d, uint32_t src) {
    uint32_t a = src >> 24;
    if constexpr (Blend == 1) {
        if (a >= 128) d = src | 0xFF000000;
    } else if constexpr (Blend == 2) {
        d = src | 0xFF000000;
    } else if constexpr (Blend == 3) {
        if (a == 0) return;
        if (a == 255) {
            d = src | 0xFF000000;
            return;
        }
        uint32_t ia = 255 - a, dst = d;
        uint32_t rb = Div255_Lanes((src & 0xFF00FF) * a + (dst & 0xFF00FF) * ia);
        uint32_t g = Div255_Lanes(((src >> 8) & 0xFF) * a + ((dst >> 8) & 0xFF) * ia);
        d = 0xFF000000 | rb | g << 8;
    } else if constexpr (Blend == 4) {
        if (a == 0) return;
        uint32_t dst = d;
        uint32_t rb = Div255_Lanes((src & 0xFF00FF) * a) + (dst & 0xFF00FF);
        uint32_t g = Div255_Lanes(((src >> 8) & 0xFF) * a) + ((dst >> 8) & 0xFF);
        uint32_t over = rb & 0x01000100; // lanes above 255 saturate
        rb = (rb | (over - (over >> 8))) & 0x00FF00FF;
        d = 0xFF000000 | rb | std::min(g, 255u) << 8;
    } else {
        uint32_t sr = (src >> 16) & 255, sg = (src >> 8) & 255, sb = src & 255;
        uint32_t dr = (d >> 16) & 255, dg = (d >> 8) & 255, db = d & 255;
        d = 0xFF000000 | Mul255(dr, sr) << 16 | Mul255(dg, sg) << 8 | Mul255(db, sb);
    }
}

template <int Blend, int Tex, int Col> void Span(uint32_t* d, int n, Span_State st) {
    for (int i = 0; i < n; ++i) {
        uint32_t src;
        if constexpr (Tex == TEX_NONE) {
            src = Col == COL_SMOOTH ? Pack(st.c) : st.tint;
        } else {
            uint32_t tx = Fetch<Tex>(st, st.s, st.t);
            st.s += st.ds;
            st.t += st.dt;
            if constexpr (Col == COL_WHITE)
                src = tx;
            else if constexpr (Col == COL_ALPHA)
                src = (tx & 0xFFFFFF) | Mul255(tx >> 24, st.tint >> 24) << 24;
            else if constexpr (Col == COL_CONST)
                src = Modulate(tx, st.tint);
            else
                src = Modulate(tx, Pack(st.c));
        }
        if constexpr (Col == COL_SMOOTH) {
            for (int k = 0; k < 4; ++k)
                st.c[k] += st.dc[k];
        }
        Put<Blend>(d[i], src);
    }
}

using Span_Fn = void (*)(uint32_t*, int, Span_State);
using Span_Row = std::array<Span_Fn, 4>;
using Span_Plane = std::array<Span_Row, 3>;
template <int B, int T> constexpr Span_Row Row() {
    return {&Span<B, T, COL_WHITE>, &Span<B, T, COL_ALPHA>, &Span<B, T, COL_CONST>, &Span<B, T, COL_SMOOTH>};
}
template <int B> constexpr Span_Plane Plane() {
    return {Row<B, TEX_NONE>(), Row<B, TEX_NEAREST>(), Row<B, TEX_LINEAR>()};
}
const std::array<Span_Plane, 5> kSpans = {Plane<1>(), Plane<2>(), Plane<3>(), Plane<4>(), Plane<5>()};

int64_t Floor_Div(int64_t n, int64_t d) {
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}
int64_t Ceil_Div(int64_t n, int64_t d) {
    return n >= 0 ? (n + d - 1) / d : -((-n) / d);
}

// A linear attribute over the triangle: value at (x0, y0) plus its x and y slopes.
struct Plane_Eq {
    double v0 = 0, dx = 0, dy = 0;
    double At(double x, double y, double x0, double y0) const { return v0 + dx * (x - x0) + dy * (y - y0); }
};

// True when every pixel centre lands on a texel centre (unscaled, unrotated, whole-pixel
// position): bilinear sampling then equals nearest sampling, which is much cheaper.
bool Texel_Aligned(const Plane_Eq& ps, const Plane_Eq& pt, double x0, double y0) {
    constexpr double kEps = 1e-6;
    if (std::fabs(ps.dx - 1) > kEps || std::fabs(ps.dy) > kEps || std::fabs(pt.dx) > kEps ||
        std::fabs(pt.dy - 1) > kEps)
        return false;
    double s = ps.At(0.5, 0.5, x0, y0) - 0.5, t = pt.At(0.5, 0.5, x0, y0) - 0.5;
    return std::fabs(s - std::round(s)) < 1e-4 && std::fabs(t - std::round(t)) < 1e-4;
}

struct Edge {
    int64_t ax, ay, bx, by, step_x, bias;
};

struct Soft_Renderer final : Renderer {
    std::vector<uint32_t> fb = std::vector<uint32_t>(kW * kH, 0xFF000000);
    int clip_x0 = 0, clip_y0 = 0, clip_x1 = kW, clip_y1 = kH; // half-open pixel rectangle
    int calls = 0;
    int generation = Renderer_NextGeneration();

    void Begin_Frame() override { calls = 0; }
    void End_Frame() override {}
    int Draw_Calls() const override { return calls; }
    int Generation() const override { return generation; }
    bool Read_Pixels(std::vector<uint32_t>& out) override {
        out = fb;
        return true;
    }
    void Set_Viewport(int x, int y, int w, int h) override {
        clip_x0 = std::clamp(x, 0, kW);
        clip_y0 = std::clamp(y, 0, kH);
        clip_x1 = std::clamp(x + std::max(w, 0), clip_x0, kW);
        clip_y1 = std::clamp(y + std::max(h, 0), clip_y0, kH);
    }
    void Draw_Triangles(Gfx_Frame* tex, int blend, const Gfx_Vertex* v, int count) override;
    // Fills the convex polygon p[0..n-1] (n is 3 or 4); attributes are affine over it and are
    // taken from its first three corners.
    void Polygon(const Gfx_Frame* tex, int blend, const Gfx_Vertex* const* p, int n);
};

// Rounds to the nearest integer (halves away from zero) without a library call.
inline int64_t Round(double v) {
    return int64_t(v + (v >= 0 ? 0.5 : -0.5));
}

bool Same(const Gfx_Vertex& p, const Gfx_Vertex& q) {
    return p.x == q.x && p.y == q.y && p.u == q.u && p.v == q.v && p.argb == q.argb;
}

bool Close(float a, float b, float tolerance) {
    return std::fabs(a - b) <= tolerance * (1 + std::fabs(a));
}

// True for six vertices a b c a c d forming one flat-coloured parallelogram a b c d (every
// transformed image, rectangle and glyph): it is filled as one polygon, half the set-up work.
bool Is_Parallelogram(const Gfx_Vertex* v) {
    if (!Same(v[3], v[0]) || !Same(v[4], v[2])) return false;
    const Gfx_Vertex &a = v[0], &b = v[1], &c = v[2], &d = v[5];
    if (a.argb != b.argb || a.argb != c.argb || a.argb != d.argb) return false;
    return Close(a.x + c.x, b.x + d.x, 1e-5f) && Close(a.y + c.y, b.y + d.y, 1e-5f) &&
           Close(a.u + c.u, b.u + d.u, 1e-5f) && Close(a.v + c.v, b.v + d.v, 1e-5f);
}

void Soft_Renderer::Draw_Triangles(Gfx_Frame* tex, int blend, const Gfx_Vertex* v, int count) {
    ++calls;
    if (blend < 1 || blend > 5 || !v || clip_x0 >= clip_x1 || clip_y0 >= clip_y1) return;
    if (tex && (tex->w <= 0 || tex->h <= 0 || tex->pixels.size() < size_t(tex->w) * size_t(tex->h))) return;
    for (int i = 0; i + 2 < count;) {
        if (i + 5 < count && Is_Parallelogram(&v[i])) {
            const Gfx_Vertex* q[4] = {&v[i], &v[i + 1], &v[i + 2], &v[i + 5]};
            Polygon(tex, blend, q, 4);
            i += 6;
        } else {
            const Gfx_Vertex* t[3] = {&v[i], &v[i + 1], &v[i + 2]};
            Polygon(tex, blend, t, 3);
            i += 3;
        }
    }
}

void Soft_Renderer::Polygon(const Gfx_Frame* tex, int blend, const Gfx_Vertex* const* corners, int n) {
    const Gfx_Vertex* p[4];
    int64_t X[4], Y[4];
    for (int i = 0; i < n; ++i) {
        p[i] = corners[i];
        if (!std::isfinite(p[i]->x) || !std::isfinite(p[i]->y)) return;
        X[i] = Round(std::clamp(double(p[i]->x), -kMaxCoord, kMaxCoord) * 256.0);
        Y[i] = Round(std::clamp(double(p[i]->y), -kMaxCoord, kMaxCoord) * 256.0);
    }
    int64_t area = (X[1] - X[0]) * (Y[2] - Y[0]) - (X[2] - X[0]) * (Y[1] - Y[0]);
    if (area == 0) return;
    if (area < 0) { // mirrored: walk the corners the other way round
        std::reverse(p + 1, p + n);
        std::reverse(X + 1, X + n);
        std::reverse(Y + 1, Y + n);
        area = (X[1] - X[0]) * (Y[2] - Y[0]) - (X[2] - X[0]) * (Y[1] - Y[0]);
        if (area <= 0) return;
    }
    Edge e[4];
    for (int i = 0; i < n; ++i) {
        int a = i, b = (i + 1) % n, c = (i + 2) % n;
        int64_t dx = X[b] - X[a], dy = Y[b] - Y[a];
        if (n == 4 && dx * (Y[c] - Y[b]) - dy * (X[c] - X[b]) <= 0) { // snapping made it concave
            const Gfx_Vertex* t0[3] = {p[0], p[1], p[2]};
            const Gfx_Vertex* t1[3] = {p[0], p[2], p[3]};
            Polygon(tex, blend, t0, 3);
            Polygon(tex, blend, t1, 3);
            return;
        }
        bool top_left = (dy == 0 && dx > 0) || dy < 0;
        e[i] = {X[a], Y[a], X[b], Y[b], -dy * 256, top_left ? 0 : -1};
    }
    // Pixels whose centre (px * 256 + 128) lies inside the bounding box, clipped.
    int64_t x_lo = *std::min_element(X, X + n), x_hi = *std::max_element(X, X + n);
    int64_t y_lo = *std::min_element(Y, Y + n), y_hi = *std::max_element(Y, Y + n);
    int64_t min_x = std::max<int64_t>(Ceil_Div(x_lo - 128, 256), clip_x0);
    int64_t max_x = std::min<int64_t>(Floor_Div(x_hi - 128, 256), clip_x1 - 1);
    int64_t min_y = std::max<int64_t>(Ceil_Div(y_lo - 128, 256), clip_y0);
    int64_t max_y = std::min<int64_t>(Floor_Div(y_hi - 128, 256), clip_y1 - 1);
    if (min_x > max_x || min_y > max_y) return;

    // Attribute planes over positions in pixels.
    double fx[3], fy[3];
    for (int i = 0; i < 3; ++i)
        fx[i] = X[i] / 256.0, fy[i] = Y[i] / 256.0;
    double den = area / 65536.0;
    auto plane = [&](double a0, double a1, double a2) {
        Plane_Eq q;
        q.v0 = a0;
        q.dx = ((a1 - a0) * (fy[2] - fy[0]) - (a2 - a0) * (fy[1] - fy[0])) / den;
        q.dy = ((a2 - a0) * (fx[1] - fx[0]) - (a1 - a0) * (fx[2] - fx[0])) / den;
        return q;
    };

    Span_State st;
    int tex_mode = TEX_NONE;
    Plane_Eq ps, pt;
    if (tex) {
        tex_mode = tex->filtered ? TEX_LINEAR : TEX_NEAREST;
        st.tex = tex->pixels.data();
        st.tw = tex->w;
        st.th = tex->h;
        ps = plane(p[0]->u * tex->w, p[1]->u * tex->w, p[2]->u * tex->w);
        pt = plane(p[0]->v * tex->h, p[1]->v * tex->h, p[2]->v * tex->h);
        st.ds = int32_t(Round(std::clamp(ps.dx, -kMaxTexel, kMaxTexel) * 65536.0));
        st.dt = int32_t(Round(std::clamp(pt.dx, -kMaxTexel, kMaxTexel) * 65536.0));
        if (tex_mode == TEX_LINEAR && Texel_Aligned(ps, pt, fx[0], fy[0])) tex_mode = TEX_NEAREST;
    }
    int col_mode = COL_SMOOTH;
    Plane_Eq pc[4];
    if (p[0]->argb == p[1]->argb && p[0]->argb == p[2]->argb) {
        st.tint = p[0]->argb;
        col_mode = !tex                               ? COL_CONST
                   : st.tint == 0xFFFFFFFF            ? COL_WHITE
                   : (st.tint & 0xFFFFFF) == 0xFFFFFF ? COL_ALPHA
                                                      : COL_CONST;
    } else {
        for (int k = 0; k < 4; ++k) {
            int sh = 24 - 8 * k;
            pc[k] = plane((p[0]->argb >> sh) & 255, (p[1]->argb >> sh) & 255, (p[2]->argb >> sh) & 255);
            st.dc[k] = int32_t(Round(pc[k].dx * 65536.0));
        }
    }
    Span_Fn fn = kSpans[blend - 1][tex_mode][col_mode];

    int64_t span_len = max_x - min_x;
    for (int64_t py = min_y; py <= max_y; ++py) {
        int64_t cy = py * 256 + 128, cx = min_x * 256 + 128;
        int64_t lo = 0, hi = span_len;
        for (int i = 0; i < n; ++i) {
            const Edge& g = e[i];
            int64_t v = (g.bx - g.ax) * (cy - g.ay) - (g.by - g.ay) * (cx - g.ax) + g.bias;
            if (g.step_x > 0)
                lo = std::max(lo, Ceil_Div(-v, g.step_x));
            else if (g.step_x < 0)
                hi = std::min(hi, Floor_Div(v, -g.step_x));
            else if (v < 0)
                hi = -1;
        }
        if (lo > hi) continue;
        double sx = double(min_x + lo) + 0.5, sy = double(py) + 0.5;
        if (tex) {
            st.s = int32_t(Round(std::clamp(ps.At(sx, sy, fx[0], fy[0]), -kMaxTexel, kMaxTexel) * 65536.0));
            st.t = int32_t(Round(std::clamp(pt.At(sx, sy, fx[0], fy[0]), -kMaxTexel, kMaxTexel) * 65536.0));
        }
        if (col_mode == COL_SMOOTH) {
            for (int k = 0; k < 4; ++k)
                st.c[k] = int32_t(Round(pc[k].At(sx, sy, fx[0], fy[0]) * 65536.0));
        }
        fn(&fb[size_t(py) * kW + size_t(min_x + lo)], int(hi - lo + 1), st);
    }
}
} // namespace

std::unique_ptr<Renderer> Soft_CreateRenderer() {
    return std::make_unique<Soft_Renderer>();
}
