// Images and filled shapes: each becomes transformed, tinted triangles for the renderer.
#include <algorithm>
#include <cmath>
#include "engine/gfx_state.h"

namespace {
constexpr int kMaxOvalSegments = 128;

void Emit(Gfx_Frame* tex, const Gfx_Vertex* v, int count) {
    if (Renderer* r = Gfx_Renderer()) r->Draw_Triangles(tex, Gfx_M().blend, v, count);
}

Gfx_Vertex Vertex_At(const Gfx_Module& m, float x, float y, float px, float py, float u, float v) {
    Gfx_Vertex out;
    Gfx_Transform(m, x, y, px, py, out.x, out.y);
    out.u = u;
    out.v = v;
    out.argb = m.tint;
    return out;
}
} // namespace

void Gfx_QuadVertices(const Gfx_Module& m, float x, float y, float px0, float py0, float px1, float py1,
                      float u0, float v0, float u1, float v1, Gfx_Vertex* out) {
    Gfx_Vertex a = Vertex_At(m, x, y, px0, py0, u0, v0);
    Gfx_Vertex b = Vertex_At(m, x, y, px1, py0, u1, v0);
    Gfx_Vertex c = Vertex_At(m, x, y, px1, py1, u1, v1);
    Gfx_Vertex d = Vertex_At(m, x, y, px0, py1, u0, v1);
    out[0] = a;
    out[1] = b;
    out[2] = c;
    out[3] = a;
    out[4] = c;
    out[5] = d;
}

void Gfx_DrawImage(TImage* image, float x, float y, int frame) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return;
    const Gfx_Module& m = Gfx_M();
    Gfx_Vertex v[6];
    float w = static_cast<float>(image->width), h = static_cast<float>(image->height);
    Gfx_QuadVertices(m, x, y, -image->handle_x, -image->handle_y, w - image->handle_x, h - image->handle_y, 0,
                     0, 1, 1, v);
    Emit(&image->frames[size_t(frame)], v, 6);
}

void Gfx_DrawRect(float x, float y, float w, float h) {
    Gfx_Vertex v[6];
    Gfx_QuadVertices(Gfx_M(), x, y, 0, 0, w, h, 0, 0, 0, 0, v);
    Emit(nullptr, v, 6);
}

void Gfx_DrawOval(float x, float y, float w, float h) {
    const Gfx_Module& m = Gfx_M();
    float rx = w * 0.5f, ry = h * 0.5f;
    float reach = std::max(std::fabs(rx * m.scale_x), std::fabs(ry * m.scale_y));
    int n = std::clamp(static_cast<int>(reach * 1.5f) + 8, 8, kMaxOvalSegments);
    Gfx_Vertex v[kMaxOvalSegments * 3];
    Gfx_Vertex centre = Vertex_At(m, x, y, rx, ry, 0, 0);
    Gfx_Vertex prev = Vertex_At(m, x, y, rx + rx, ry, 0, 0);
    for (int i = 1; i <= n; ++i) {
        float a = 6.28318530718f * static_cast<float>(i) / static_cast<float>(n);
        Gfx_Vertex next = Vertex_At(m, x, y, rx + rx * std::cos(a), ry + ry * std::sin(a), 0, 0);
        v[(i - 1) * 3] = centre;
        v[(i - 1) * 3 + 1] = prev;
        v[(i - 1) * 3 + 2] = next;
        prev = next;
    }
    Emit(nullptr, v, n * 3);
}

// The line is transformed about its first point; a width-w band centred on the pixel centres
// from (x1, y1) to (x2, y2), with half-width square ends so a one-pixel line covers both ends.
void Gfx_DrawLine(float x1, float y1, float x2, float y2) {
    const Gfx_Module& m = Gfx_M();
    float ax, ay, bx, by;
    Gfx_Transform(m, x1 + 0.5f, y1 + 0.5f, 0, 0, ax, ay);
    Gfx_Transform(m, x1 + 0.5f, y1 + 0.5f, x2 - x1, y2 - y1, bx, by);
    float dx = bx - ax, dy = by - ay, len = std::sqrt(dx * dx + dy * dy);
    float half = std::max(m.line_width, 0.0f) * 0.5f;
    if (half <= 0) return;
    if (len < 1e-6f) dx = 1, dy = 0, len = 1;
    float ux = dx / len * half, uy = dy / len * half; // along the line
    float nx = -uy, ny = ux;                          // across it
    Gfx_Vertex c[4];
    float px[4] = {ax - ux + nx, bx + ux + nx, bx + ux - nx, ax - ux - nx};
    float py[4] = {ay - uy + ny, by + uy + ny, by + uy - ny, ay - uy - ny};
    for (int i = 0; i < 4; ++i)
        c[i] = {px[i], py[i], 0, 0, m.tint};
    Gfx_Vertex v[6] = {c[0], c[1], c[2], c[0], c[2], c[3]};
    Emit(nullptr, v, 6);
}

void Gfx_Plot(float x, float y) {
    const Gfx_Module& m = Gfx_M();
    float px = std::floor(x), py = std::floor(y);
    Gfx_Vertex c[4] = {{px, py, 0, 0, m.tint},
                       {px + 1, py, 0, 0, m.tint},
                       {px + 1, py + 1, 0, 0, m.tint},
                       {px, py + 1, 0, 0, m.tint}};
    Gfx_Vertex v[6] = {c[0], c[1], c[2], c[0], c[2], c[3]};
    Emit(nullptr, v, 6);
}

void Gfx_Cls() {
    Renderer* r = Gfx_Renderer();
    if (!r) return;
    const Gfx_Module& m = Gfx_M();
    float x0 = float(m.vp_x), y0 = float(m.vp_y), x1 = x0 + float(m.vp_w), y1 = y0 + float(m.vp_h);
    uint32_t black = 0xFF000000;
    Gfx_Vertex v[6] = {{x0, y0, 0, 0, black}, {x1, y0, 0, 0, black}, {x1, y1, 0, 0, black},
                       {x0, y0, 0, 0, black}, {x1, y1, 0, 0, black}, {x0, y1, 0, 0, black}};
    r->Draw_Triangles(nullptr, BLEND_SOLID, v, 6);
}
