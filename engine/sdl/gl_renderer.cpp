// OpenGL 2.1 renderer. Triangles are appended to one vertex array per frame; a run grows while
// texture, blend mode and clip rectangle stay the same, and each run is one glDrawArrays when
// the batch is flushed (end of frame, screen read, texture re-upload or release).
#define GL_GLEXT_PROTOTYPES 1
#include "engine/sdl/gl_renderer.h"
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include "shell/log.h"

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "vertex colours are read as B, G, R, A bytes");

namespace {
constexpr int kW = 800, kH = 600;
constexpr char kGlFailed[] = "OpenGL renderer: ";

const char* const kVertexShader = R"(#version 120
attribute vec2 a_pos;
attribute vec2 a_uv;
attribute vec4 a_col;
varying vec2 v_uv;
varying vec4 v_col;
void main() {
    gl_Position = vec4(a_pos.x * (2.0 / 800.0) - 1.0, 1.0 - a_pos.y * (2.0 / 600.0), 0.0, 1.0);
    v_uv = a_uv;
    v_col = a_col.zyxw;
}
)";

const char* const kFragmentShader = R"(#version 120
uniform sampler2D u_tex;
uniform float u_mask;
varying vec2 v_uv;
varying vec4 v_col;
void main() {
    vec4 c = texture2D(u_tex, v_uv) * v_col;
    if (u_mask > 0.5) {
        if (c.a < 0.5) discard;
        c.a = 1.0;
    }
    gl_FragColor = c;
}
)";

struct Run {
    GLuint tex;
    int blend;
    GLint first;
    GLsizei count;
    int clip[4];
};

GLuint Compile(GLenum kind, const char* src) {
    GLuint s = glCreateShader(kind);
    glShaderSource(s, 1, &src, nullptr);
    glCompileShader(s);
    GLint ok = 0;
    glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[512] = {};
        glGetShaderInfoLog(s, sizeof log - 1, nullptr, log);
        Log_Line(std::string(kGlFailed) + "shader: " + log);
        glDeleteShader(s);
        return 0;
    }
    return s;
}

struct Gl_Renderer final : Renderer {
    GLuint program = 0, vbo = 0, white = 0;
    GLint u_mask = -1, u_tex = -1;
    std::vector<Gfx_Vertex> verts;
    std::vector<Run> runs;
    std::vector<uint32_t> readback;
    int clip[4] = {0, 0, kW, kH};
    int out_x = 0, out_y = 0, out_w = kW, out_h = kH, drawable_w = kW, drawable_h = kH;
    int calls = 0;
    int generation = Renderer_NextGeneration();
    int applied_blend = -1;

    ~Gl_Renderer() override { Release(); }
    bool Init();
    void Release();
    void Begin_Frame() override;
    void End_Frame() override { Flush(); }
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
    void Free_Texture(Gfx_Frame& frame) override;
    GLuint Ensure_Texture(Gfx_Frame& f);
    void Flush();
    void Count(const Gfx_Vertex* v, int count);
    void Apply_State();
    void Apply_Blend(int blend);
};

bool Gl_Renderer::Init() {
    GLuint vs = Compile(GL_VERTEX_SHADER, kVertexShader), fs = Compile(GL_FRAGMENT_SHADER, kFragmentShader);
    if (!vs || !fs) return false;
    program = glCreateProgram();
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    glBindAttribLocation(program, 0, "a_pos");
    glBindAttribLocation(program, 1, "a_uv");
    glBindAttribLocation(program, 2, "a_col");
    glLinkProgram(program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
        Log_Line(std::string(kGlFailed) + "shader link failed");
        return false;
    }
    u_mask = glGetUniformLocation(program, "u_mask");
    u_tex = glGetUniformLocation(program, "u_tex");
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
    if (program) glDeleteProgram(program);
    if (vbo) glDeleteBuffers(1, &vbo);
    if (white) glDeleteTextures(1, &white);
    program = vbo = white = 0;
}

void Gl_Renderer::Begin_Frame() {
    calls = 0;
    Gl_GetStats().frame_quads = 0;
    Gl_GetStats().frame_area = 0;
    verts.clear();
    runs.clear();
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, drawable_w, drawable_h);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    applied_blend = -1;
}

GLuint Gl_Renderer::Ensure_Texture(Gfx_Frame& f) {
    bool current = f.tex != 0 && f.tex_generation == generation;
    if (current && !f.dirty) return f.tex;
    if (current)
        Flush(); // draws already batched must see the old pixels
    else
        glGenTextures(1, &f.tex);
    f.tex_generation = generation;
    glBindTexture(GL_TEXTURE_2D, f.tex);
    GLint mag = f.filtered ? GL_LINEAR : GL_NEAREST;
    GLint min = f.mipmapped ? (f.filtered ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST) : mag;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, mag);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, f.mipmapped ? GL_TRUE : GL_FALSE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, f.w, f.h, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                 f.pixels.data());
    Gl_GetStats().uploads += 1;
    Gl_GetStats().upload_bytes += long(f.w) * f.h * 4;
    Gl_GetStats().mip_builds += f.mipmapped ? 1 : 0;
    f.dirty = false;
    return f.tex;
}

void Gl_Renderer::Draw_Triangles(Gfx_Frame* tex, int blend, const Gfx_Vertex* v, int count) {
    count -= count % 3;
    if (blend < 1 || blend > 5 || !v || count <= 0 || clip[2] <= 0 || clip[3] <= 0) return;
    if (tex && (tex->w <= 0 || tex->h <= 0 || tex->pixels.size() < size_t(tex->w) * size_t(tex->h))) return;
    GLuint name = tex ? Ensure_Texture(*tex) : white;
    Count(v, count);
    if (!runs.empty()) {
        Run& last = runs.back();
        if (last.tex == name && last.blend == blend && std::equal(clip, clip + 4, last.clip)) {
            last.count += count;
            verts.insert(verts.end(), v, v + count);
            return;
        }
    }
    runs.push_back({name, blend, GLint(verts.size()), count, {clip[0], clip[1], clip[2], clip[3]}});
    verts.insert(verts.end(), v, v + count);
}

void Gl_Renderer::Count(const Gfx_Vertex* v, int count) {
    Gl_Stats& st = Gl_GetStats();
    double area = 0, sx = double(out_w) / kW, sy = double(out_h) / kH;
    for (int i = 0; i + 2 < count; i += 3)
        area += std::abs((v[i + 1].x - v[i].x) * (v[i + 2].y - v[i].y) -
                         (v[i + 2].x - v[i].x) * (v[i + 1].y - v[i].y));
    st.frame_area += area * 0.5 * sx * sy;
    st.frame_quads += count / 6;
}

void Gl_Renderer::Apply_State() {
    glViewport(out_x, drawable_h - out_y - out_h, out_w, out_h);
    glEnable(GL_SCISSOR_TEST);
    glUseProgram(program);
    glUniform1i(u_tex, 0);
    glActiveTexture(GL_TEXTURE0);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(verts.size() * sizeof(Gfx_Vertex)), verts.data(),
                 GL_STREAM_DRAW);
    const GLsizei stride = sizeof(Gfx_Vertex);
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Gfx_Vertex, x)));
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Gfx_Vertex, u)));
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          reinterpret_cast<void*>(offsetof(Gfx_Vertex, argb)));
    applied_blend = -1;
}

void Gl_Renderer::Apply_Blend(int blend) {
    if (blend == applied_blend) return;
    applied_blend = blend;
    glUniform1f(u_mask, blend == 1 ? 1.0f : 0.0f);
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
    Apply_State();
    for (const Run& r : runs) {
        Apply_Blend(r.blend);
        int x0 = out_x + (r.clip[0] * out_w + kW / 2) / kW,
            x1 = out_x + ((r.clip[0] + r.clip[2]) * out_w + kW / 2) / kW;
        int y0 = out_y + (r.clip[1] * out_h + kH / 2) / kH,
            y1 = out_y + ((r.clip[1] + r.clip[3]) * out_h + kH / 2) / kH;
        glScissor(x0, drawable_h - y1, x1 - x0, y1 - y0);
        glBindTexture(GL_TEXTURE_2D, r.tex);
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

void Gl_Renderer::Free_Texture(Gfx_Frame& frame) {
    if (frame.tex && frame.tex_generation == generation) {
        Flush();
        glDeleteTextures(1, &frame.tex);
    }
    frame.tex = 0;
    frame.tex_generation = -1;
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
    r->program = r->vbo = r->white = 0; // names of the old context mean nothing now
    r->generation = Renderer_NextGeneration();
    r->verts.clear();
    r->runs.clear();
    if (!r->Init()) Log_Line(std::string(kGlFailed) + "initialisation failed");
}
