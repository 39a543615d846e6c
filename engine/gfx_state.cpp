// The drawing state, screen opening and frame pacing of the drawing service.
#include "engine/gfx_state.h"
#include <algorithm>
#include <cmath>
#include "engine/platform.h"
#include "shell/app_state.h"

namespace {
constexpr float kDegToRad = 3.14159265358979f / 180.0f;

void Update_Tint(Gfx_Module& m) {
    uint32_t a = static_cast<uint32_t>(std::lround(std::clamp(m.alpha, 0.0f, 1.0f) * 255.0f));
    m.tint = a << 24 | uint32_t(m.r) << 16 | uint32_t(m.g) << 8 | uint32_t(m.b);
}

} // namespace

Renderer* Gfx_ScreenRenderer() {
    Platform* p = Platform_Get();
    return (p && Gfx_M().screen_open) ? p->Get_Renderer() : nullptr;
}

Gfx_Module& Gfx_M() {
    static Gfx_Module m;
    return m;
}

Renderer* Gfx_Renderer() {
    Renderer* r = Gfx_ScreenRenderer();
    Gfx_Module& m = Gfx_M();
    if (r && !m.in_frame) {
        r->Begin_Frame();
        r->Set_Viewport(m.vp_x, m.vp_y, m.vp_w, m.vp_h);
        m.in_frame = true;
    }
    return r;
}

void Gfx_ResetState() {
    Gfx_Module& m = Gfx_M();
    m.r = m.g = m.b = 255;
    m.alpha = 1;
    m.blend = BLEND_SOLID;
    m.rotation = 0;
    m.rot_cos = 1;
    m.rot_sin = 0;
    m.scale_x = m.scale_y = 1;
    m.line_width = 1;
    m.font = nullptr;
    Update_Tint(m);
    Gfx_SetViewport(0, 0, ScreenWidth, ScreenHeight);
}

bool Gfx_OpenScreen(int width, int height, int depth, int hertz) {
    Platform* p = Platform_Get();
    Gfx_Module& m = Gfx_M();
    m.screen_open = false;
    m.in_frame = false;
    if (!p || !p->Open_Screen(width, height, depth, hertz) || !p->Get_Renderer()) return false;
    m.screen_open = true;
    Gfx_ResetState();
    bool full = depth != 0, fixed = p->Fixed_Frame_Time();
    m.vsync = full && hertz > 0 && !fixed;
    m.limiter.Arm(!full && !fixed ? hertz : 0, p->Millisecs());
    if (full) p->Mouse_Move(ScreenCenterX, ScreenCenterY);
    return true;
}

void Gfx_Present(int pacing) {
    Platform* p = Platform_Get();
    Renderer* r = Gfx_Renderer();
    if (!p || !r) return;
    Gfx_Module& m = Gfx_M();
    r->End_Frame();
    m.in_frame = false;
    bool vsync = pacing > 0;
    if (pacing < 0) {
        vsync = m.vsync;
        if (m.limiter.armed) {
            int wait = m.limiter.Next_Wait(p->Millisecs());
            if (wait > 0) p->Sleep_Ms(wait);
            vsync = false;
        }
    }
    p->Present(vsync);
}

void Gfx_SetColor(int r, int g, int b) {
    Gfx_Module& m = Gfx_M();
    m.r = std::clamp(r, 0, 255);
    m.g = std::clamp(g, 0, 255);
    m.b = std::clamp(b, 0, 255);
    Update_Tint(m);
}

void Gfx_GetColor(int& r, int& g, int& b) {
    r = Gfx_M().r;
    g = Gfx_M().g;
    b = Gfx_M().b;
}

void Gfx_SetAlpha(float a) {
    Gfx_M().alpha = a;
    Update_Tint(Gfx_M());
}

float Gfx_GetAlpha() {
    return Gfx_M().alpha;
}

void Gfx_SetBlend(int mode) {
    Gfx_Module& m = Gfx_M();
    if (mode == m.blend || mode < BLEND_MASK || mode > BLEND_SHADE) return;
    m.blend = mode;
}

int Gfx_GetBlend() {
    return Gfx_M().blend;
}

void Gfx_SetRotation(float degrees) {
    Gfx_Module& m = Gfx_M();
    m.rotation = degrees;
    m.rot_cos = std::cos(degrees * kDegToRad);
    m.rot_sin = std::sin(degrees * kDegToRad);
}

float Gfx_GetRotation() {
    return Gfx_M().rotation;
}

void Gfx_SetScale(float sx, float sy) {
    Gfx_M().scale_x = sx;
    Gfx_M().scale_y = sy;
}

void Gfx_GetScale(float& sx, float& sy) {
    sx = Gfx_M().scale_x;
    sy = Gfx_M().scale_y;
}

void Gfx_SetLineWidth(float w) {
    Gfx_M().line_width = w;
}

void Gfx_SetViewport(int x, int y, int w, int h) {
    Gfx_Module& m = Gfx_M();
    m.vp_x = x;
    m.vp_y = y;
    m.vp_w = w;
    m.vp_h = h;
    if (m.in_frame)
        if (Renderer* r = Gfx_ScreenRenderer()) r->Set_Viewport(x, y, w, h);
}

void Gfx_GetViewport(int& x, int& y, int& w, int& h) {
    const Gfx_Module& m = Gfx_M();
    x = m.vp_x;
    y = m.vp_y;
    w = m.vp_w;
    h = m.vp_h;
}

void Gfx_SetFont(TImageFont* font) {
    Gfx_M().font = font;
}

TImageFont* Gfx_GetFont() {
    return Gfx_M().font;
}

float Anim_Wrap(float value, int count, float speed) {
    float v = value + FrameDt * speed;
    if (count <= 0) return v;
    float c = static_cast<float>(count);
    if (v >= c * 4096.0f) v = std::fmod(v, c);
    while (std::trunc(v) >= c)
        v -= c;
    return v;
}

bool Gfx_ReadScreen(std::vector<uint32_t>& out) {
    Renderer* r = Gfx_ScreenRenderer();
    return r && r->Read_Pixels(out);
}

int Gfx_DrawCalls() {
    Renderer* r = Gfx_ScreenRenderer();
    return r ? r->Draw_Calls() : 0;
}
