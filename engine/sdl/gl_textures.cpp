// Page textures: a new texture is allocated at the page's size and every frame is copied to its
// place with its edge repeated into the gutter; later only the frames that changed are copied
// again. Mip-maps are built for pages drawn minified, limited to the levels the gutter covers
// when several frames share the page.
#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include "engine/gfx_page.h"
#include "engine/sdl/gl_parts.h"

namespace {
// Copies frame f with g pixels of repeated edge into the page texture bound now.
void Upload_Cell(const Gfx_Frame& f, int g, std::vector<uint32_t>& scratch, Gl_Stats& stats) {
    if (f.w <= 0 || f.h <= 0 || f.pixels.size() < size_t(f.w) * size_t(f.h)) return;
    const uint32_t* src = f.pixels.data();
    int cw = f.w + 2 * g, ch = f.h + 2 * g;
    if (g > 0) {
        scratch.resize(size_t(cw) * ch);
        for (int y = 0; y < ch; ++y) {
            const uint32_t* row = &f.pixels[size_t(std::clamp(y - g, 0, f.h - 1)) * f.w];
            uint32_t* out = &scratch[size_t(y) * cw];
            std::fill(out, out + g, row[0]);
            std::copy(row, row + f.w, out + g);
            std::fill(out + g + f.w, out + cw, row[f.w - 1]);
        }
        src = scratch.data();
    }
    glTexSubImage2D(GL_TEXTURE_2D, 0, f.page_x - g, f.page_y - g, cw, ch, GL_BGRA,
                    GL_UNSIGNED_INT_8_8_8_8_REV, src);
    stats.upload_bytes += long(cw) * ch * 4;
}

void Set_Min_Filter(const Gfx_Page& page) {
    GLint mag = page.filtered ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, page.mips_built ? GL_LINEAR_MIPMAP_LINEAR : mag);
}
} // namespace

void Gl_BuildMips(Gfx_Page& page, Gl_Stats& stats) {
    if (!page.tex) return;
    glBindTexture(GL_TEXTURE_2D, page.tex);
    bool alone = page.frames.size() == 1 && page.gutter == 0;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, alone ? 1000 : kPageMipLevels);
    glGenerateMipmap(GL_TEXTURE_2D);
    page.mips_built = true;
    Set_Min_Filter(page);
    stats.mip_builds += 1;
}

void Gl_UploadPage(Gfx_Page& page, int generation, std::vector<uint32_t>& scratch, Gl_Stats& stats) {
    bool fresh = page.tex == 0 || page.tex_generation != generation;
    if (fresh) {
        GLuint name = 0;
        glGenTextures(1, &name);
        page.tex = name;
        page.tex_generation = generation;
        page.mips_built = false;
        glBindTexture(GL_TEXTURE_2D, page.tex);
        GLint mag = page.filtered ? GL_LINEAR : GL_NEAREST;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, mag);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        Set_Min_Filter(page);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, page.w, page.h, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                     nullptr);
        if (page.white_x >= 0) {
            scratch.assign(64, 0xFFFFFFFFu);
            glTexSubImage2D(GL_TEXTURE_2D, 0, page.white_x - 4, page.white_y - 4, 8, 8, GL_BGRA,
                            GL_UNSIGNED_INT_8_8_8_8_REV, scratch.data());
        }
    } else {
        glBindTexture(GL_TEXTURE_2D, page.tex);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    for (Gfx_Frame* f : page.frames)
        if (fresh || f->dirty) {
            Upload_Cell(*f, page.gutter, scratch, stats);
            f->dirty = false;
        }
    page.dirty = false;
    stats.uploads += 1;
    if (page.mips_needed && page.filtered) Gl_BuildMips(page, stats);
}
