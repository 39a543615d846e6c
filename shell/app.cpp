// Command line, platform choice, start-up and the main loop.
#include "shell/app.h"
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>
#include "chain/chain_view.h"
#include "engine/gfx.h"
#include "engine/headless_platform.h"
#include "engine/script.h"
#include "play/autoplay.h"
#include "play/autoplay_game.h"
#include "play/level_check.h"
#include "play/match_file.h"
#include "play/level_check_platform.h"
#include "shell/app_state.h"
#include "shell/graphics_start.h"
#include "shell/log.h"
#include "shell/main_loop.h"
#include "shell/options.h"
#include "shell/screen.h"
#include "shell/startup.h"

namespace {
struct Shot_Plan {
    std::string file;
    int frame = -1;  // FrameCounter after which to write; -1: at the end
    bool written = false;
};
Shot_Plan g_shot;
volatile std::sig_atomic_t g_terminate = 0; // SIGTERM arrived: end the loop like a window close

void On_Terminate(int) { g_terminate = 1; }

void Write_Screenshot() {
    std::vector<uint32_t> pixels;
    if (!Gfx_ReadScreen(pixels) || !Gfx_WritePng(g_shot.file, pixels.data(), ScreenWidth, ScreenHeight))
        Log_Line("Can't write the screenshot " + g_shot.file);
    g_shot.written = true;
}

void After_Frame() {
    if (g_terminate) QuitRequested = 1;
    if (AutoGame_Active())
        AutoGame_AfterFrame();
    else
        Autoplay_AfterFrame();
    if (!g_shot.file.empty() && !g_shot.written && g_shot.frame == FrameCounter) Write_Screenshot();
}

bool Load_Script(const std::string& file, std::vector<Script_Event>& out) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::stringstream ss;
    ss << in.rdbuf();
    out = Script_Parse(ss.str());
    return true;
}

std::unique_ptr<Platform> Make_Platform(const App_Options& o, Platform_Factory sdl_factory) {
    if (!o.headless && sdl_factory) return sdl_factory();
    // A whole game played headless with nothing to look at: the frames are not drawn, so the
    // run takes as long as its simulation.
    if (o.autoplay && o.level <= 0 && o.screenshot.empty() && o.script.empty())
        return LevelCheck_CreatePlatform(o.frame_ms);
    Headless_Config hc;
    hc.frame_ms = o.frame_ms;
    if (!o.script.empty() && !Load_Script(o.script, hc.script))
        Log_Line("Can't read the script " + o.script);
    return Headless_CreatePlatform(hc);
}
}  // namespace

int App_Main(int argc, char** argv, Platform_Factory sdl_factory, Bench_Runner bench) {
    App_Options o;
    std::string error;
    if (!Options_Parse(argc, argv, o, error)) {
        std::fprintf(stderr, "orbivale: %s (try --help)\n%s\n", error.c_str(), Options_Usage());
        return 2;
    }
    if (o.help || o.version) {
        if (o.version) std::printf("orbivale %s\n", Options_Version());
        if (o.help) std::printf("%s\n%s", Options_Usage(), Options_Help());
        return 0;
    }
    if (!o.bench.empty()) {
        if (bench) return bench(o.bench);
        std::fprintf(stderr, "no benchmarks in this build\n");
        return 2;
    }
    if (o.check_levels) return LevelCheck_Main(o);
    std::unique_ptr<Platform> platform = Make_Platform(o, sdl_factory);
    if (!platform) {
        std::fprintf(stderr, "%s\n", kScreenFailedText);
        return 1;
    }
    Platform_Set(std::move(platform));
    if (!App_Boot(o)) {
        std::fprintf(stderr, "%s\n", kScreenFailedText);
        Platform_Set(nullptr);
        return 1;
    }
    if (!o.path_file.empty()) {
        // Development view: one path file rolls on the menu's screen slot.
        if (!ChainView_Load(o.path_file)) {
            std::fprintf(stderr, "can't load the path file %s\n", o.path_file.c_str());
            Platform_Set(nullptr);
            return 1;
        }
        Screen_Register(0, {nullptr, nullptr, ChainView_Frame});
    }
    if (o.autoplay) {
        Autoplay_Config ac;
        ac.seed = o.seed;
        ac.input = o.autoplay_input;
        ac.profile = o.profile;
        // With --level it plays that level on; without, the whole game from the main menu.
        if (o.level > 0)
            Autoplay_Start(ac);
        else
            AutoGame_Start(ac);
    }
    g_shot.file = o.screenshot;
    g_shot.frame = o.screenshot_frame;
    std::signal(SIGTERM, On_Terminate);
    MainLoop_Run(o.frames, After_Frame);
    // However the run ends (window closed, Ctrl+Esc, the frame limit, SIGTERM), a level being
    // played is saved as the in-game menu's "main menu" saves it.
    Match_SaveOnQuit();
    AutoGame_Finish();
    if (!g_shot.file.empty() && !g_shot.written) Write_Screenshot();
    App_Shutdown();
    Platform_Set(nullptr);
    return 0;
}
