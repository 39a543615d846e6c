// Software against OpenGL pictures: a pearl drawn shrinking from full size to a tenth over a
// grey ground, and a board drawn unscaled, each drawn by both renderers; prints the largest
// per-channel difference and the share of pixels differing by more than 8, and writes both
// pictures side by side as gl-compare-pearl.png and gl-compare-board.png.
#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>
#include "bench/bench_list.h"
#include "content/embedded.h"
#include "engine/gfx.h"
#include "engine/sdl/gl_renderer.h"
#include "engine/soft_renderer.h"
#include "engine/stub_platform.h"
#include "play/level_run.h"
#include "shell/resource.h"

namespace {
struct Compare_Platform final : Stub_Platform {
    explicit Compare_Platform(Renderer* r) { renderer = r; }
};

struct Pictures {
    TImage* pearl = nullptr;
    TImage* board = nullptr;
};

void Draw_Pearl(const Pictures& p) {
    Gfx_SetBlend(BLEND_SOLID);
    Gfx_SetColor(96, 96, 104);
    Gfx_DrawRect(0, 0, 800, 600);
    Gfx_SetColor(255, 255, 255);
    Gfx_SetBlend(BLEND_ALPHA);
    const float scales[] = {1.0f, 0.8f, 0.55f, 0.4f, 0.3f, 0.2f, 0.1f};
    float x = 50;
    for (float s : scales) {
        Gfx_SetScale(s, s);
        Gfx_DrawImage(p.pearl, x, 300, 0);
        x += 64 * s + 40;
    }
    Gfx_SetScale(1, 1);
}

void Draw_Board(const Pictures& p) {
    Gfx_SetBlend(BLEND_SOLID);
    Gfx_SetColor(255, 255, 255);
    Gfx_DrawImage(p.board, 0, 0, 0);
}

// Draws one scene on a renderer through the drawing service and reads the picture back.
std::vector<uint32_t> Render(Renderer* r, const Pictures& p, void (*scene)(const Pictures&),
                             const std::function<void()>& present) {
    std::vector<uint32_t> px;
    Platform_Set(std::make_unique<Compare_Platform>(r));
    if (Gfx_OpenScreen(800, 600, 0, 0)) {
        Gfx_PrepareTextures();
        scene(p);
        Gfx_ReadScreen(px);
        Gfx_Present(0);
        if (present) present();
    }
    Platform_Set(nullptr);
    return px;
}

void Report(const char* name, const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    if (a.size() != b.size() || a.empty()) {
        std::printf("gl-compare %s: no picture\n", name);
        return;
    }
    int worst = 0;
    size_t over = 0;
    std::vector<uint32_t> both(a.size() * 2);
    for (size_t i = 0; i < a.size(); ++i) {
        int d = 0;
        for (int sh = 0; sh < 24; sh += 8)
            d = std::max(d, std::abs(int((a[i] >> sh) & 255) - int((b[i] >> sh) & 255)));
        worst = std::max(worst, d);
        over += d > 8;
        size_t y = i / 800, x = i % 800;
        both[y * 1600 + x] = a[i] | 0xFF000000;
        both[y * 1600 + 800 + x] = b[i] | 0xFF000000;
    }
    std::string file = std::string("gl-compare-") + name + ".png";
    Gfx_WritePng(file, both.data(), 1600, 600);
    std::printf("gl-compare %-5s: largest per-channel difference %d, %.3f%% of pixels differ by more than 8 "
                "(software | OpenGL in %s)\n",
                name, worst, 100.0 * double(over) / double(a.size()), file.c_str());
}
} // namespace

int Bench_GlCompare() {
    Content_RegisterEmbedded();
    Pictures p;
    p.pearl = Gfx_LoadAnimImage(Asset_Path("./images/pieces/00_blue.png"), 64, 64, 0, 64,
                                GFX_DEFAULT_FLAGS | GFX_SHRINKS);
    Gfx_MidHandle(p.pearl);
    p.board = Gfx_LoadImage(Asset_Path(Board_ImageName(0, 1)));
    if (!p.pearl || !p.board) {
        std::printf("gl-compare: pictures missing\n");
        return 1;
    }
    std::unique_ptr<Renderer> soft = Soft_CreateRenderer();
    std::vector<uint32_t> soft_pearl = Render(soft.get(), p, Draw_Pearl, nullptr);
    std::vector<uint32_t> soft_board = Render(soft.get(), p, Draw_Board, nullptr);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::printf("gl-compare skipped: no display\n");
        return 0;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_Window* win = SDL_CreateWindow("orbivale compare", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                       800, 600, SDL_WINDOW_OPENGL);
    SDL_GLContext ctx = win ? SDL_GL_CreateContext(win) : nullptr;
    if (ctx) {
        std::unique_ptr<Renderer> gl = Gl_CreateRenderer();
        if (gl) {
            int dw = 800, dh = 600, ox, oy, ow, oh;
            SDL_GL_GetDrawableSize(win, &dw, &dh);
            Gl_FitOutput(dw, dh, ox, oy, ow, oh);
            Gl_SetOutput(gl.get(), ox, oy, ow, oh, dw, dh);
            auto swap = [win] { SDL_GL_SwapWindow(win); };
            Report("pearl", soft_pearl, Render(gl.get(), p, Draw_Pearl, swap));
            Report("board", soft_board, Render(gl.get(), p, Draw_Board, swap));
            Platform_Set(std::make_unique<Compare_Platform>(gl.get()));
            Gfx_OpenScreen(800, 600, 0, 0);
            Gfx_FreeImage(p.pearl);
            Gfx_FreeImage(p.board);
            Platform_Set(nullptr);
            p = Pictures();
        }
        SDL_GL_DeleteContext(ctx);
    } else {
        std::printf("gl-compare skipped: no OpenGL window (%s)\n", SDL_GetError());
    }
    if (win) SDL_DestroyWindow(win);
    SDL_Quit();
    Gfx_FreeImage(p.pearl);
    Gfx_FreeImage(p.board);
    return 0;
}
