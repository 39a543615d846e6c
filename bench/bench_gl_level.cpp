// The OpenGL level benchmark: the game boots in a window with the frame limiter off, the
// built-in player plays a level, and every frame is timed to the end of its drawing
// (glFinish). Prints the median and worst frame, the main thread's processor time, draw calls,
// texture uploads during play, and the quad count and covered area a batched floor renderer
// needs to draw the same amount ("floor quads=N size=S": S x S pixel quads).
#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>
#include "bench/bench_list.h"
#include "engine/gfx_state.h"
#include "engine/platform.h"
#include "engine/sdl/gl_renderer.h"
#include "engine/sdl/sdl_platform.h"
#include "play/autoplay.h"
#include "shell/app_state.h"
#include "shell/main_loop.h"
#include "shell/options.h"
#include "shell/startup.h"

namespace {
double Thread_Cpu_Ms() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Frame_Figures {
    std::vector<double> ms, cpu, calls, quads, area;
};

// A fresh save folder, so the benchmark neither reads nor changes a player's files.
std::string Temp_Save_Dir() {
    char dir[] = "/tmp/orbivale-bench-XXXXXX";
    return mkdtemp(dir) ? std::string(dir) : std::string("/tmp");
}

void Print(const char* scene, int level, const Frame_Figures& f, const Gl_Stats& play) {
    double quads = Median(f.quads), area = Median(f.area);
    int size = quads > 0 ? int(std::lround(std::sqrt(area / quads))) : 0;
    std::printf("%s %d: %zu frames, median %.3f ms, worst %.3f ms, main thread CPU %.3f ms, %.0f draw "
                "calls/frame\n",
                scene, level, f.ms.size(), Median(f.ms),
                f.ms.empty() ? 0 : *std::max_element(f.ms.begin(), f.ms.end()), Median(f.cpu),
                Median(f.calls));
    std::printf("%s %d: texture uploads during play %ld (%.1f MB), mip-map builds %ld\n", scene, level,
                play.uploads, double(play.upload_bytes) / 1e6, play.mip_builds);
    std::printf("%s %d: %.0f quads over %.3f Mpx per frame; floor quads=%.0f size=%d\n", scene, level, quads,
                area / 1e6, quads, size);
}
} // namespace

int Bench_GlLevel(int level, int frames) {
    level = std::clamp(level <= 0 ? 1 : level, 1, 148);
    frames = frames <= 0 ? 600 : frames;
    std::unique_ptr<Platform> platform = Sdl_CreatePlatform();
    if (!platform) {
        std::printf("gl-level skipped: no display\n");
        return 0;
    }
    Platform_Set(std::move(platform));
    App_Options o;
    o.windowed = true;
    o.level = level;
    o.autoplay = true;
    o.seed_given = true;
    o.seed = 1;
    o.skip_logo = true;
    o.save_dir = Temp_Save_Dir();
    if (!App_Boot(o)) {
        std::printf("gl-level skipped: the screen did not open\n");
        Platform_Set(nullptr);
        return 0;
    }
    std::printf("gl-level renderer: %s, %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    Autoplay_Config ac;
    ac.seed = 1;
    Autoplay_Start(ac);
    Gfx_M().limiter.Arm(0, 0); // the limiter off: frames as fast as they can be drawn
    Gl_Stats at_start = Gl_GetStats();
    Frame_Figures f;
    for (int i = 0; i < frames && QuitRequested != 1; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        double c0 = Thread_Cpu_Ms();
        MainLoop_Iteration();
        Autoplay_AfterFrame();
        double c1 = Thread_Cpu_Ms();
        glFinish();
        auto t1 = std::chrono::steady_clock::now();
        const Gl_Stats& st = Gl_GetStats();
        f.ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        f.cpu.push_back(c1 - c0);
        f.calls.push_back(Gfx_DrawCalls());
        f.quads.push_back(st.frame_quads);
        f.area.push_back(st.frame_area);
    }
    Gl_Stats play = Gl_GetStats();
    play.uploads -= at_start.uploads;
    play.upload_bytes -= at_start.upload_bytes;
    play.mip_builds -= at_start.mip_builds;
    Print("gl-level", level, f, play);
    App_Shutdown();
    Platform_Set(nullptr);
    return 0;
}
