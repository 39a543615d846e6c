// OpenGL 2.1 renderer. Triangles are appended to one vertex array per frame with their
// texture coordinates moved onto their frame's page; a run grows while page, program, blend
// mode and clip rectangle stay the same. At the end of the frame the array goes to the
// streaming buffer in one upload (orphaning the last frame's), the state is set once, and each
// run costs only what changes from the previous one. Flat colour samples the white corner of
// the page being drawn, so rectangles between images don't break a run.
#define GL_GLEXT_PROTOTYPES 1
#include "engine/sdl/gl_renderer.h"
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include "engine/gfx_page.h"
#include "engine/sdl/gl_parts.h"
#include "shell/log.h"

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "vertex colours are read as B, G, R, A bytes");

namespace {
constexpr int kW = 800, kH = 600;
constexpr char kGlFailed[] = "OpenGL renderer: ";
// Drawn minified: more than this many texels per output pixel (linear scale below 0.9).
constexpr double kMinifiedArea = 1.0 / (0.9 * 0.9);

struct Run {
    GLuint tex;
    bool mask;
    int blend;
    GLint first;
    GLsizei count;
    int clip[4];
};

struct Gl_Renderer final : Renderer {
    Gl_Programs programs;
    GLuint vbo = 0, white = 0;
    std::vector<Gfx_Vertex> verts;
    std::vector<Run> runs;
    std::vector<uint32_t> readback, scratch;
    int clip[4] = {0, 0, kW, kH};
    int out_x = 0, out_y = 0, out_w = kW, out_h = kH, drawable_w = kW, drawable_h = kH;
    int calls = 0;
    int generation = Renderer_NextGeneration();
    bool frame_started = false; // the first flush of the frame clears (unless covered) and sets state
    const Gfx_Page* last_page = nullptr;

    ~Gl_Renderer() override { Release(); }
    bool Init();
    void Release();
    void Begin_Frame() override;
    void End_Frame() override {
        if (!frame_started) Start_Output(); // a frame without draws still shows black
        Flush();
    }
    void Draw_Triangles(Gfx_Frame* tex, int blend, const Gfx_Vertex* v, int count) override;
    void Set_Viewport(int x, int y, int w, int h) override {
        clip[0] = std::clamp(x, 0, kW);
        clip[1] = std::clamp(y, 0, kH);
        clip[2] = std::clamp(x + std::max(w, 0), clip[0], kW) - clip[0];
        clip[3] = std::clamp(y + std::max(h, 0), clip[1], kH) - clip[1];
    }
    int Draw_Calls() const override { return calls; }
    bool Read_Pixels(std::vector<uint32_t>& out) override;
    int Generation() const override { return generation; }
    void Prepare_Textures() override;
    bool Makes_Textures() const override { return true; }
    void Free_Page(Gfx_Page& page) override;
    bool Ensure_Page(Gfx_Page& page);
    void Check_Minified(Gfx_Page& page, const Gfx_Frame& f, const Gfx_Vertex* v);
    void Append(GLuint tex, bool mask, int blend, int count);
    void Flush();
    void Count(const Gfx_Vertex* v, int count);
    void Start_Output();
    bool Covers_Screen(const Run& r) const;
};

bool Gl_Renderer::Init() {
    if (!Gl_MakePrograms(programs)) return false;
    glGenBuffers(1, &vbo);
    const uint32_t white_px = 0xFFFFFFFF;
    glGenTextures(1, &white);
    glBindTexture(GL_TEXTURE_2D, white);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, &white_px);
    verts.reserve(1 << 16);
    runs.reserve(1 << 10);
    return glGetError() == GL_NO_ERROR;
}

void Gl_Renderer::Release() {
    Gl_FreePrograms(programs);
    if (vbo) glDeleteBuffers(1, &vbo);
    if (white) glDeleteTextures(1, &white);
    vbo = white = 0;
}

void Gl_Renderer::Begin_Frame() {
    calls = 0;
    Gl_GetStats().frame_quads = 0;
    Gl_GetStats().frame_area = 0;
    verts.clear();
    runs.clear();
    frame_started = false;
    last_page = nullptr;
}

bool Gl_Renderer::Ensure_Page(Gfx_Page& page) {
    if (page.w <= 0 || page.h <= 0) return false;
    bool current = page.tex != 0 && page.tex_generation == generation;
    if (current && !page.dirty) return true;
    if (current) Flush(); // draws already batched must see the old pixels
    Gl_UploadPage(page, generation, scratch, Gl_GetStats());
    return true;
}

// A page whose images may carry mip-maps gets them the first time one is drawn minified.
void Gl_Renderer::Check_Minified(Gfx_Page& page, const Gfx_Frame& f, const Gfx_Vertex* v) {
    double px = std::fabs((v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[2].x - v[0].x) * (v[1].y - v[0].y)) *
                (double(out_w) / kW) * (double(out_h) / kH);
    double tx = std::fabs((v[1].u - v[0].u) * (v[2].v - v[0].v) - (v[2].u - v[0].u) * (v[1].v - v[0].v)) *
                double(f.w) * double(f.h);
    if (tx <= px * kMinifiedArea) return;
    page.mips_needed = true;
    Gl_BuildMips(page, Gl_GetStats());
}

void Gl_Renderer::Append(GLuint tex, bool mask, int blend, int count) {
    if (!runs.empty()) {
        Run& last = runs.back();
        if (last.tex == tex && last.mask == mask && last.blend == blend &&
            std::equal(clip, clip + 4, last.clip)) {
            last.count += count;
            return;
        }
    }
    runs.push_back(
        {tex, mask, blend, GLint(verts.size()) - count, count, {clip[0], clip[1], clip[2], clip[3]}});
}

void Gl_Renderer::Draw_Triangles(Gfx_Frame* tex, int blend, const Gfx_Vertex* v, int count) {
    count -= count % 3;
    if (blend < 1 || blend > 5 || !v || count <= 0 || clip[2] <= 0 || clip[3] <= 0) return;
    if (tex && (tex->w <= 0 || tex->h <= 0 || tex->pixels.size() < size_t(tex->w) * size_t(tex->h))) return;
    GLuint name = white;
    float su = 0, sv = 0, ou = 0, ov = 0; // u' = ou + u * su (flat colour: all on the white texel)
    if (tex) {
        if (!tex->page) Page_PlaceAlone(*tex);
        Gfx_Page& page = *tex->page;
        if (!Ensure_Page(page)) return;
        if (page.mip_allowed && page.filtered && !page.mips_needed) Check_Minified(page, *tex, v);
        name = page.tex;
        su = float(tex->w) / float(page.w);
        sv = float(tex->h) / float(page.h);
        ou = float(tex->page_x) / float(page.w);
        ov = float(tex->page_y) / float(page.h);
        last_page = &page;
    } else if (last_page && last_page->white_x >= 0 && last_page->tex_generation == generation) {
        name = last_page->tex;
        ou = float(last_page->white_x) / float(last_page->w);
        ov = float(last_page->white_y) / float(last_page->h);
    } else {
        ou = ov = 0.5f;
    }
    Count(v, count);
    size_t at = verts.size();
    verts.resize(at + size_t(count));
    Gfx_Vertex* out = &verts[at];
    for (int i = 0; i < count; ++i) {
        out[i] = v[i];
        out[i].u = ou + v[i].u * su;
        out[i].v = ov + v[i].v * sv;
    }
    Append(name, blend == 1, blend, count);
}

void Gl_Renderer::Count(const Gfx_Vertex* v, int count) {
    Gl_Stats& st = Gl_GetStats();
    double area = 0;
    for (int i = 0; i + 2 < count; i += 3)
        area += std::fabs((v[i + 1].x - v[i].x) * (v[i + 2].y - v[i].y) -
                          (v[i + 2].x - v[i].x) * (v[i + 1].y - v[i].y));
    st.frame_area += area * 0.5 * (double(out_w) / kW) * (double(out_h) / kH);
    st.frame_quads += count / 6;
}

// True when the run begins with a solid axis-aligned quad over the whole screen.
bool Gl_Renderer::Covers_Screen(const Run& r) const {
    if (r.blend != 2 || r.count < 6 || r.clip[0] != 0 || r.clip[1] != 0 || r.clip[2] != kW || r.clip[3] != kH)
        return false;
    for (int i = 0; i < 6; ++i) {
        const Gfx_Vertex& p = verts[size_t(r.first + i)];
        if ((p.x != 0 && p.x != kW) || (p.y != 0 && p.y != kH)) return false;
    }
    const Gfx_Vertex *a = &verts[size_t(r.first)], *c = a + 2;
    return std::fabs(c->x - a->x) == kW && std::fabs(c->y - a->y) == kH;
}

// Once per frame: the clear (skipped under an opaque full-screen first image when the output
// fills the drawable) and the state every run shares.
void Gl_Renderer::Start_Output() {
    frame_started = true;
    bool fills = out_x == 0 && out_y == 0 && out_w == drawable_w && out_h == drawable_h;
    if (!fills || runs.empty() || !Covers_Screen(runs.front())) {
        glDisable(GL_SCISSOR_TEST);
        glViewport(0, 0, drawable_w, drawable_h);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glViewport(out_x, drawable_h - out_y - out_h, out_w, out_h);
    glEnable(GL_SCISSOR_TEST);
    glActiveTexture(GL_TEXTURE0);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    const GLsizei stride = sizeof(Gfx_Vertex);
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Gfx_Vertex, x)));
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Gfx_Vertex, u)));
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          reinterpret_cast<void*>(offsetof(Gfx_Vertex, argb)));
}

void Apply_Blend(int blend) {
    if (blend <= 2) {
        glDisable(GL_BLEND);
        return;
    }
    glEnable(GL_BLEND);
    if (blend == 3)
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    else if (blend == 4)
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    else
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
}

void Gl_Renderer::Flush() {
    if (runs.empty()) return;
    if (!frame_started) Start_Output();
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    // A new store each time: the driver hands the old one to draws still in flight.
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(verts.size() * sizeof(Gfx_Vertex)), verts.data(),
                 GL_STREAM_DRAW);
    GLuint tex = 0;
    int blend = -1, mask = -1, scissor[4] = {-1, -1, -1, -1};
    for (const Run& r : runs) {
        if (int(r.mask) != mask) {
            mask = r.mask;
            glUseProgram(r.mask ? programs.mask.name : programs.plain.name);
        }
        if (r.blend != blend) Apply_Blend(blend = r.blend);
        int x0 = out_x + (r.clip[0] * out_w + kW / 2) / kW,
            x1 = out_x + ((r.clip[0] + r.clip[2]) * out_w + kW / 2) / kW;
        int y0 = out_y + (r.clip[1] * out_h + kH / 2) / kH,
            y1 = out_y + ((r.clip[1] + r.clip[3]) * out_h + kH / 2) / kH;
        int s[4] = {x0, drawable_h - y1, x1 - x0, y1 - y0};
        if (!std::equal(s, s + 4, scissor)) {
            std::copy(s, s + 4, scissor);
            glScissor(s[0], s[1], s[2], s[3]);
        }
        if (r.tex != tex) glBindTexture(GL_TEXTURE_2D, tex = r.tex);
        glDrawArrays(GL_TRIANGLES, r.first, r.count);
        ++calls;
    }
    verts.clear();
    runs.clear();
}

bool Gl_Renderer::Read_Pixels(std::vector<uint32_t>& out) {
    Flush();
    if (out_w <= 0 || out_h <= 0) return false;
    readback.resize(size_t(out_w) * out_h);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(out_x, drawable_h - out_y - out_h, out_w, out_h, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                 readback.data());
    out.resize(size_t(kW) * kH);
    for (int y = 0; y < kH; ++y) {
        const uint32_t* row = &readback[size_t(out_h - 1 - y * out_h / kH) * out_w];
        for (int x = 0; x < kW; ++x)
            out[size_t(y) * kW + x] = row[x * out_w / kW] | 0xFF000000;
    }
    return glGetError() == GL_NO_ERROR;
}

void Gl_Renderer::Prepare_Textures() {
    for (const auto& page : Page_All())
        if (!page->frames.empty()) Ensure_Page(*page);
}

void Gl_Renderer::Free_Page(Gfx_Page& page) {
    if (page.tex && page.tex_generation == generation) {
        Flush();
        GLuint name = page.tex;
        glDeleteTextures(1, &name);
    }
    if (last_page == &page) last_page = nullptr;
    page.tex = 0;
    page.tex_generation = -1;
}
} // namespace

Gl_Stats& Gl_GetStats() {
    static Gl_Stats stats;
    return stats;
}

std::unique_ptr<Renderer> Gl_CreateRenderer() {
    auto r = std::make_unique<Gl_Renderer>();
    if (!r->Init()) {
        Log_Line(std::string(kGlFailed) + "initialisation failed");
        return nullptr;
    }
    return r;
}

void Gl_SetOutput(Renderer* renderer, int out_x, int out_y, int out_w, int out_h, int drawable_w,
                  int drawable_h) {
    auto* r = dynamic_cast<Gl_Renderer*>(renderer);
    if (!r) return;
    r->Flush();
    r->out_x = out_x;
    r->out_y = out_y;
    r->out_w = std::max(out_w, 1);
    r->out_h = std::max(out_h, 1);
    r->drawable_w = std::max(drawable_w, 1);
    r->drawable_h = std::max(drawable_h, 1);
}

void Gl_FitOutput(int drawable_w, int drawable_h, int& out_x, int& out_y, int& out_w, int& out_h) {
    if (int64_t(drawable_w) * kH <= int64_t(drawable_h) * kW) {
        out_w = drawable_w;
        out_h = int(int64_t(drawable_w) * kH / kW);
    } else {
        out_h = drawable_h;
        out_w = int(int64_t(drawable_h) * kW / kH);
    }
    out_x = (drawable_w - out_w) / 2;
    out_y = (drawable_h - out_h) / 2;
}

void Gl_ContextChanged(Renderer* renderer) {
    auto* r = dynamic_cast<Gl_Renderer*>(renderer);
    if (!r) return;
    r->programs = Gl_Programs(); // names of the old context mean nothing now
    r->vbo = r->white = 0;
    r->generation = Renderer_NextGeneration();
    r->verts.clear();
    r->runs.clear();
    r->last_page = nullptr;
    if (!r->Init()) Log_Line(std::string(kGlFailed) + "initialisation failed");
    r->Prepare_Textures();
}
