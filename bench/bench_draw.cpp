// The draw benchmark: a full-screen background, 300 pearl-sized sprites (35 px, rotated) and
// 10 000 particle-sized sprites (8 px) in four blend-mode groups, drawn through the drawing
// service on the software renderer and, when a display with OpenGL is there, the OpenGL one.
// Prints the median milliseconds per frame over 200 frames and the draw calls per frame.
#include <SDL.h>
#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>
#include "bench/bench_list.h"
#include "engine/gfx.h"
#include "engine/stub_platform.h"
#include "engine/sdl/gl_renderer.h"
#include "engine/soft_renderer.h"

namespace {
constexpr int kFrames = 200, kWarmUp = 10, kPearls = 300, kParticles = 10000;

// Hosts one renderer for the drawing service on the real clock; Present calls the hook.
struct Bench_Platform final : Stub_Platform {
    std::function<void()> present;
    Bench_Platform(Renderer* r, std::function<void()> p) : present(std::move(p)) { renderer = r; }
    void Present(bool) override {
        if (present) present();
    }
    uint32_t Millisecs() override { return SDL_GetTicks(); }
};

struct Sprite {
    float x, y, vx, vy, angle;
    int blend;
};

// A round sprite: a soft-edged disc with a highlight, like a pearl or a spark.
TImage* Make_Disc(int size, uint32_t rgb) {
    TImage* img = Gfx_CreateImage(size, size);
    Pixmap pm = Gfx_LockImage(img, 0, false, true);
    float c = size * 0.5f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float d = std::hypot(x + 0.5f - c, y + 0.5f - c) / c;
            float a = std::clamp((1.0f - d) * 4.0f, 0.0f, 1.0f);
            float hi =
                std::clamp(1.0f - std::hypot(x + 0.5f - c * 0.7f, y + 0.5f - c * 0.7f) / c, 0.0f, 1.0f);
            auto ch = [&](int sh) { return uint32_t(std::min(255.0f, ((rgb >> sh) & 255) + hi * 120.0f)); };
            pm.Pixmap_WritePixel(x, y, uint32_t(a * 255) << 24 | ch(16) << 16 | ch(8) << 8 | ch(0));
        }
    Gfx_UnlockImage(img);
    Gfx_MidHandle(img);
    return img;
}

TImage* Make_Background() {
    TImage* img = Gfx_CreateImage(800, 600);
    Pixmap pm = Gfx_LockImage(img, 0, false, true);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            pm.Pixmap_WritePixel(
                x, y, 0xFF000000 | uint32_t(x * 255 / 800) << 16 | uint32_t(y * 255 / 600) << 8 | 96);
    Gfx_UnlockImage(img);
    return img;
}

struct Scene {
    TImage* background = Make_Background();
    TImage* pearl = Make_Disc(35, 0x3060D0);
    TImage* spark = Make_Disc(8, 0xF0C040);
    std::vector<Sprite> pearls, particles;

    Scene() {
        uint32_t seed = 12345;
        auto rnd = [&](float lo, float hi) {
            seed = seed * 1664525u + 1013904223u;
            return lo + (hi - lo) * float(seed >> 8) / float(1 << 24);
        };
        for (int i = 0; i < kPearls; ++i)
            pearls.push_back(
                {rnd(20, 780), rnd(20, 580), rnd(-60, 60), rnd(-60, 60), rnd(0, 360), BLEND_ALPHA});
        // Four groups, as an effect pool draws them: light, alpha, shade and mask.
        const int modes[4] = {BLEND_LIGHT, BLEND_ALPHA, BLEND_SHADE, BLEND_MASK};
        for (int i = 0; i < kParticles; ++i)
            particles.push_back(
                {rnd(0, 800), rnd(0, 600), rnd(-30, 30), rnd(20, 90), 0, modes[i * 4 / kParticles]});
    }
    ~Scene() {
        Gfx_FreeImage(background);
        Gfx_FreeImage(pearl);
        Gfx_FreeImage(spark);
    }

    void Draw(int frame) const {
        float t = frame / 60.0f;
        Gfx_SetRotation(0);
        Gfx_SetScale(1, 1);
        Gfx_SetColor(255, 255, 255);
        Gfx_SetAlpha(1);
        Gfx_SetBlend(BLEND_SOLID);
        Gfx_DrawImage(background, 0, 0, 0);
        Gfx_SetBlend(BLEND_ALPHA);
        for (const Sprite& p : pearls) {
            Gfx_SetRotation(p.angle + t * 90);
            Gfx_DrawImage(pearl, std::fmod(p.x + p.vx * t + 800, 800), std::fmod(p.y + p.vy * t + 600, 600),
                          0);
        }
        Gfx_SetRotation(0);
        Gfx_SetAlpha(0.8f);
        for (const Sprite& p : particles) {
            Gfx_SetBlend(p.blend);
            Gfx_DrawImage(spark, std::fmod(p.x + p.vx * t + 800, 800), std::fmod(p.y + p.vy * t + 600, 600),
                          0);
        }
        Gfx_SetAlpha(1);
    }
};

double Thread_Cpu_Ms() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

struct Figures {
    double median_ms = 0;
    double median_cpu_ms = 0; // this thread's processor time: steadier on a busy machine
    int draw_calls = 0;
    std::vector<uint32_t> last_frame;
};

Figures Measure(Renderer* r, std::function<void()> present) {
    Platform_Set(std::make_unique<Bench_Platform>(r, std::move(present)));
    Figures f;
    if (!Gfx_OpenScreen(800, 600, 0, 0)) return f;
    {
        Scene scene;
        std::vector<double> ms, cpu;
        for (int i = 0; i < kWarmUp + kFrames; ++i) {
            auto t0 = std::chrono::steady_clock::now();
            double c0 = Thread_Cpu_Ms();
            scene.Draw(i);
            if (i == kWarmUp + kFrames - 1) Gfx_ReadScreen(f.last_frame);
            Gfx_Present(0);
            auto t1 = std::chrono::steady_clock::now();
            if (i >= kWarmUp) {
                ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
                cpu.push_back(Thread_Cpu_Ms() - c0);
            }
            f.draw_calls = Gfx_DrawCalls();
        }
        f.median_ms = Median(ms);
        f.median_cpu_ms = Median(cpu);
    }
    Platform_Set(nullptr);
    return f;
}

void Print(const char* name, const Figures& f) {
    std::printf("draw %-9s %8.2f ms/frame (median of %d; main thread CPU %.2f ms)  %6d draw calls/frame\n",
                name, f.median_ms, kFrames, f.median_cpu_ms, f.draw_calls);
}

// Share of pixels whose channels differ by more than 8 between the two renderers' last frames.
double Mismatch(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    if (a.size() != b.size() || a.empty()) return 1;
    size_t bad = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int sh = 0; sh < 24; sh += 8)
            if (std::abs(int((a[i] >> sh) & 255) - int((b[i] >> sh) & 255)) > 8) {
                ++bad;
                break;
            }
    return double(bad) / double(a.size());
}

bool Run_Gl(const Figures& soft) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::printf("draw opengl   skipped: no display (%s)\n", SDL_GetError());
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_Window* win = SDL_CreateWindow("orbivale bench", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                       800, 600, SDL_WINDOW_OPENGL);
    SDL_GLContext ctx = win ? SDL_GL_CreateContext(win) : nullptr;
    if (!ctx) {
        std::printf("draw opengl   skipped: no OpenGL window (%s)\n", SDL_GetError());
        if (win) SDL_DestroyWindow(win);
        SDL_Quit();
        return false;
    }
    SDL_GL_SetSwapInterval(0);
    std::printf("draw opengl   %s, %s (SDL video driver %s)\n",
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                reinterpret_cast<const char*>(glGetString(GL_VERSION)), SDL_GetCurrentVideoDriver());
    {
        std::unique_ptr<Renderer> gl = Gl_CreateRenderer();
        if (gl) {
            int dw = 800, dh = 600, ox, oy, ow, oh;
            SDL_GL_GetDrawableSize(win, &dw, &dh);
            Gl_FitOutput(dw, dh, ox, oy, ow, oh);
            Gl_SetOutput(gl.get(), ox, oy, ow, oh, dw, dh);
            Figures f = Measure(gl.get(), [win] {
                SDL_GL_SwapWindow(win);
                glFinish();
            });
            Print("opengl", f);
            std::printf("draw opengl   %.2f%% of pixels differ from the software frame by more than 8\n",
                        100.0 * Mismatch(soft.last_frame, f.last_frame));
        } else {
            std::printf("draw opengl   skipped: renderer could not start\n");
        }
    }
    SDL_GL_DeleteContext(ctx);
    SDL_DestroyWindow(win);
    SDL_Quit();
    return true;
}
} // namespace

int Bench_Draw() {
    std::printf("draw: background + %d pearls (35 px, alpha, rotated) + %d particles (8 px; light, alpha, "
                "shade, mask)\n",
                kPearls, kParticles);
    std::unique_ptr<Renderer> soft = Soft_CreateRenderer();
    Figures s = Measure(soft.get(), nullptr);
    Print("software", s);
    Run_Gl(s);
    return 0;
}
