// The renderer's two GLSL 1.20 programs. Unmasked draws use the plain one, which has no
// branch and no discard; only blend mode 1 (mask) pays for the alpha test.
#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>
#include <string>
#include "engine/sdl/gl_parts.h"
#include "shell/log.h"

namespace {
constexpr char kShaderFailed[] = "OpenGL renderer: shader: ";

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

const char* const kPlainShader = R"(#version 120
uniform sampler2D u_tex;
varying vec2 v_uv;
varying vec4 v_col;
void main() {
    gl_FragColor = texture2D(u_tex, v_uv) * v_col;
}
)";

const char* const kMaskShader = R"(#version 120
uniform sampler2D u_tex;
varying vec2 v_uv;
varying vec4 v_col;
void main() {
    vec4 c = texture2D(u_tex, v_uv) * v_col;
    if (c.a < 0.5) discard;
    gl_FragColor = vec4(c.rgb, 1.0);
}
)";

GLuint Compile(GLenum kind, const char* src) {
    GLuint s = glCreateShader(kind);
    glShaderSource(s, 1, &src, nullptr);
    glCompileShader(s);
    GLint ok = 0;
    glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[512] = {};
        glGetShaderInfoLog(s, sizeof log - 1, nullptr, log);
        Log_Line(std::string(kShaderFailed) + log);
        glDeleteShader(s);
        return 0;
    }
    return s;
}

bool Link(const char* fragment, Gl_Program& out) {
    GLuint vs = Compile(GL_VERTEX_SHADER, kVertexShader), fs = Compile(GL_FRAGMENT_SHADER, fragment);
    if (!vs || !fs) {
        if (vs) glDeleteShader(vs);
        if (fs) glDeleteShader(fs);
        return false;
    }
    GLuint p = glCreateProgram();
    glAttachShader(p, vs);
    glAttachShader(p, fs);
    glBindAttribLocation(p, 0, "a_pos");
    glBindAttribLocation(p, 1, "a_uv");
    glBindAttribLocation(p, 2, "a_col");
    glLinkProgram(p);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = 0;
    glGetProgramiv(p, GL_LINK_STATUS, &ok);
    if (!ok) {
        Log_Line(std::string(kShaderFailed) + "link failed");
        glDeleteProgram(p);
        return false;
    }
    out.name = p;
    out.u_tex = glGetUniformLocation(p, "u_tex");
    glUseProgram(p);
    glUniform1i(out.u_tex, 0);
    return true;
}
} // namespace

bool Gl_MakePrograms(Gl_Programs& out) {
    return Link(kPlainShader, out.plain) && Link(kMaskShader, out.mask);
}

void Gl_FreePrograms(Gl_Programs& p) {
    if (p.plain.name) glDeleteProgram(p.plain.name);
    if (p.mask.name) glDeleteProgram(p.mask.name);
    p = Gl_Programs();
}
