// The effects benchmark: the heaviest scene play can make, on a real board of the Ice pack:
// a full weather pool (10 000 particles), 300 pearls, a five-pearl hammer smash, explosions
// and floating texts again and again. Runs the in-game update and draw as the frame does,
// first on a renderer that only counts (the cost of the draw phase's own simulation: effect
// ageing and the weather; quads and their size), then on the software renderer and, when a
// display with OpenGL is there, on the OpenGL one. Prints CPU ms of the simulation (worst and
// median), CPU ms of the draw submission, draw calls per frame and the OpenGL wall time.
#include <SDL.h>
#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>
#include "bench/bench_list.h"
#include "chain/colors.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "engine/gfx.h"
#include "engine/renderer.h"
#include "engine/sdl/gl_renderer.h"
#include "engine/soft_renderer.h"
#include "engine/stub_platform.h"
#include "fx/fx_recipes.h"
#include "fx/gfx_obj.h"
#include "fx/weather.h"
#include "gui/modal.h"
#include "play/ingame_frame.h"
#include "play/level_state.h"
#include "play/match.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/options.h"
#include "shell/random.h"
#include "shell/startup.h"

namespace {
constexpr int kLevel = 58, kPearls = 300, kFrames = 240, kWarmUp = 20, kFrameMs = 16;

double Thread_Cpu_Ms() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double Wall_Ms() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double Worst(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

// A renderer that draws nothing and counts the textured quads it is given and their area.
struct Count_Renderer : Renderer {
    int generation = Renderer_NextGeneration();
    long long quads = 0;
    double area = 0;
    void Begin_Frame() override { quads = 0, area = 0; }
    void Draw_Triangles(Gfx_Frame* tex, int, const Gfx_Vertex* v, int count) override {
        if (!tex) return;
        for (int i = 0; i + 2 < count; i += 3) {
            const Gfx_Vertex &a = v[i], &b = v[i + 1], &c = v[i + 2];
            area += std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) * 0.5;
        }
        quads += count / 6;
    }
    void Set_Viewport(int, int, int, int) override {}
    void End_Frame() override {}
    int Draw_Calls() const override { return 0; }
    bool Read_Pixels(std::vector<uint32_t>&) override { return false; }
    int Generation() const override { return generation; }
};

// Hosts the renderer being measured; the virtual clock keeps frames at kFrameMs.
struct Bench_Platform final : Stub_Platform {
    std::function<void()> present;
    void Present(bool) override {
        clock += kFrameMs;
        if (present) present();
    }
    bool Fixed_Frame_Time() override { return true; }
};
Bench_Platform* g_platform = nullptr;

// Pearls along every track from near its hole backward, touching, until `want` are placed.
int Fill_Tracks(int want) {
    int placed = 0;
    for (int t = 0; t < Paths.count && placed < want; ++t) {
        Path& p = Paths.pool[t];
        for (double s = p.total_length - 500; s > 60 && placed < want; s -= 28, ++placed) {
            Piece* pc = Piece::Create_OnPath(Color_Get_New(), 0, 0, t);
            if (!pc) return placed;
            int seg = 0;
            double tt = 0;
            p.Compute_New_Pos(0, 0, s, seg, tt);
            pc->pt_crt = pc->pt_crt_old = seg + 1;
            pc->t = static_cast<float>(tt);
            const Bz_Sample smp = p.Table(seg).Sample(Sample_Index(pc->t));
            pc->x = pc->x_old = smp.x;
            pc->y = pc->y_old = smp.y;
            pc->bz_dist = pc->bz_dist_old = smp.dist_tot;
        }
        p.states |= PATH_STATE_GEN_DONE;
    }
    return placed;
}

// Every slot of the pool holds a living snow flake or rain drop spread over the screen; the
// emitter waits, so the pool stays full for the whole run.
void Fill_Weather() {
    Weather_LevelReset();
    for (int i = 0; i < WEATHER_POOL_MAX; ++i) {
        bool rain = i % 5 == 0;
        Particle_CreateFall(Rnd(-100, 900), Rnd(-300, 400), rain ? 0.6f : 1, rain ? 1.1f : Rnd(0.3f, 0.9f),
                            rain ? 90.0f : Rnd(70, 110), rain ? 500.0f : 20.0f, i % 6, 700,
                            rain ? PART_RAIN : PART_SNOW);
    }
    Weather.SnowTimer = Weather.SpellTimer = Weather.RainTimer = 1 << 30;
    Weather.SnowCountdown = 1 << 30;
}

Piece* Pearl_At(int k) {
    Piece* pc = Pieces.list_first;
    for (int i = 0; pc && i < k; ++i)
        pc = pc->list_next;
    return pc;
}

// What play throws at the effects every second: a five-pearl smash, four pearls bursting
// with halos and shards, three floating texts.
void Events(int frame) {
    if (frame % 60 != 0) return;
    int base = Rand(0, std::max(0, Pieces.list_count - 10));
    for (int i = 0; i < 5; ++i)
        if (Piece* pc = Pearl_At(base + i)) fx::FX_HammerSmash(pc, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        Piece* pc = Pearl_At(Rand(0, std::max(0, Pieces.list_count - 1)));
        if (!pc) continue;
        for (int k = 0; k < 3; ++k)
            fx::FX_PearlHalo(pc->x, pc->y, pc->color, k * 300);
        fx::FX_PearlHaloBig(pc->x, pc->y, pc->color, 0);
        fx::FX_Fragments(pc->x, pc->y, pc->color, 0.15f, 0);
        fx::FX_PearlBurst(pc->x, pc->y, pc->color, i * 230);
    }
    fx::FX_TextPopup("combo", 6, 300, 300, 45, 1200);
    fx::FX_TextPopup("chain", 6, 500, 250, 200, 100);
    fx::FX_TextPopup("Double Score", 6, 400, 400, 10, 0);
}

struct Figures {
    std::vector<double> sim, draw_cpu, wall;
    int draw_calls = 0, pearls = 0, fx_peak = 0, particles = 0;
};

// One run of the scene on the renderer the platform hosts.
Figures Run_Scene(std::function<void()> after_present) {
    Figures f;
    g_platform->present = std::move(after_present);
    Gfx_OpenScreen(ScreenWidth, ScreenHeight, 0, 0);
    Rand_Seed(12345);
    Modal_Reset();
    Match_StartAt(kLevel);
    Modal_Reset();
    Relaxed_Mode = 1;
    FirstFrame = 0;
    f.pearls = Fill_Tracks(kPearls);
    Fill_Weather();
    FrameTime = kFrameMs;
    FrameDt = kFrameMs / 1000.0f;
    InstFps = AvgFps = 1000 / kFrameMs;
    for (int i = 0; i < kWarmUp + kFrames; ++i) {
        double w0 = Wall_Ms(), c0 = Thread_Cpu_Ms();
        Events(i);
        InGame_Update();
        double c1 = Thread_Cpu_Ms();
        InGame_Draw();
        double c2 = Thread_Cpu_Ms();
        Gfx_Present(0);
        double w1 = Wall_Ms();
        if (i < kWarmUp) continue;
        f.sim.push_back(c1 - c0);
        f.draw_cpu.push_back(c2 - c1);
        f.wall.push_back(w1 - w0);
        f.draw_calls = std::max(f.draw_calls, Gfx_DrawCalls());
        f.fx_peak = std::max(f.fx_peak, FX_Count());
    }
    f.particles = Weather_LivingCount();
    return f;
}

void Print(const char* name, const Figures& f) {
    std::printf("fx %-9s update %.3f ms median / %.3f worst; draw submission %.3f ms median / %.3f worst; "
                "%d draw calls/frame (most)\n",
                name, Median(f.sim), Worst(f.sim), Median(f.draw_cpu), Worst(f.draw_cpu), f.draw_calls);
}

void Run_Gl() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::printf("fx opengl   skipped: no display (%s)\n", SDL_GetError());
        return;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_Window* win = SDL_CreateWindow("orbivale bench fx", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                       800, 600, SDL_WINDOW_OPENGL);
    SDL_GLContext ctx = win ? SDL_GL_CreateContext(win) : nullptr;
    if (!ctx) {
        std::printf("fx opengl   skipped: no OpenGL window (%s)\n", SDL_GetError());
        if (win) SDL_DestroyWindow(win);
        SDL_Quit();
        return;
    }
    SDL_GL_SetSwapInterval(0);
    std::printf("fx opengl   %s, %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    if (std::unique_ptr<Renderer> gl = Gl_CreateRenderer()) {
        int dw = 800, dh = 600, ox, oy, ow, oh;
        SDL_GL_GetDrawableSize(win, &dw, &dh);
        Gl_FitOutput(dw, dh, ox, oy, ow, oh);
        Gl_SetOutput(gl.get(), ox, oy, ow, oh, dw, dh);
        g_platform->renderer = gl.get();
        Figures f = Run_Scene([win] {
            SDL_GL_SwapWindow(win);
            glFinish();
        });
        Print("opengl", f);
        std::printf("fx opengl   wall time %.3f ms/frame median (p90 %.3f)\n", Median(f.wall), [&] {
            std::vector<double> w = f.wall;
            std::sort(w.begin(), w.end());
            return w[w.size() * 9 / 10];
        }());
        g_platform->renderer = nullptr;
    } else {
        std::printf("fx opengl   skipped: renderer could not start\n");
    }
    SDL_GL_DeleteContext(ctx);
    SDL_DestroyWindow(win);
    SDL_Quit();
}
} // namespace

int Bench_Fx() {
    auto owned = std::make_unique<Bench_Platform>();
    g_platform = owned.get();
    Count_Renderer counter;
    g_platform->renderer = &counter;
    Platform_Set(std::move(owned));
    App_Options o;
    o.headless = true;
    o.seed_given = true;
    o.seed = 1;
    o.save_dir = "/tmp/orbivale_bench_fx";
    Log_SetQuiet(true);
    if (!App_Boot(o)) {
        std::fprintf(stderr, "fx: the game did not start\n");
        Platform_Set(nullptr);
        return 1;
    }
    InGame_Load();
    InGame_Register();

    Figures c = Run_Scene(nullptr);
    std::printf("fx scene: level %d, %d pearls, %d living weather particles, up to %d effect objects\n",
                kLevel, c.pearls, c.particles, c.fx_peak);
    std::printf("fx counting renderer: %lld quads/frame, mean quad %.1f px square\n", counter.quads,
                counter.quads ? std::sqrt(counter.area / counter.quads) : 0.0);
    std::printf(
        "fx simulation (update + effect ageing and weather in the draw phase, no drawing): "
        "%.3f ms median, %.3f ms worst per frame\n",
        [&] {
            std::vector<double> s;
            for (size_t i = 0; i < c.sim.size(); ++i)
                s.push_back(c.sim[i] + c.draw_cpu[i]);
            return Median(s);
        }(),
        [&] {
            double w = 0;
            for (size_t i = 0; i < c.sim.size(); ++i)
                w = std::max(w, c.sim[i] + c.draw_cpu[i]);
            return w;
        }());
    Print("counting", c);

    std::unique_ptr<Renderer> soft = Soft_CreateRenderer();
    g_platform->renderer = soft.get();
    Print("software", Run_Scene(nullptr));
    g_platform->renderer = nullptr;
    Run_Gl();

    App_Shutdown();
    Platform_Set(nullptr);
    Log_SetQuiet(false);
    return 0;
}
