// Start-up order. Each step names the subsystem it brings up; the order matters (the
// catalogue before anything that loads, the screen before fonts and images, the players
// file after the images).
#include "shell/startup.h"
#include "engine/input.h"
#include "engine/platform.h"
#include "gui/stub_screens.h"
#include "shell/app_state.h"
#include "shell/graphics_start.h"
#include "shell/log.h"
#include "shell/os_detect.h"
#include "shell/paths.h"
#include "shell/random.h"
#include "shell/screen.h"

void Content_RegisterEmbedded();

namespace {
void Apply_Options(const App_Options& o) {
    if (!o.save_dir.empty()) Paths_SetSaveDir(o.save_dir);
    if (!o.content_dir.empty()) {
        Paths_SetContentDir(o.content_dir);
        AssetPrefix = "";
    }
}

void Images_LoadAll() { Stub_Screens_Load(); }
}  // namespace

bool App_Boot(const App_Options& o) {
    App_StateReset();
    Input_Reset();
    // 1. The content catalogue, then the engine services.
    Content_RegisterEmbedded();
    // 2. Build-time values and fixed tables.
    Apply_Options(o);
    // 3. The window title is set when the screen opens.
    // 4. Seed the random generator (a given seed makes the run repeatable).
    Platform* p = Platform_Get();
    Rand_Seed(o.seed_given ? o.seed : (p ? p->Millisecs() : 0));
    // 5. The operating-system line.
    Os_Detect();
    Log_Line(Os_StartupLine());
    // 6. Configuration text file.
    if (o.windowed) WindowedMode = 1;
    if (o.fullscreen) WindowedMode = 0;
    // 7. The screen.
    if (!Graphics_Start()) return false;
    // 8-9. Texts and fonts. 10. Loading logo. 11. Every subsystem's images.
    Images_LoadAll();
    // 12. Audio. 13. Logo finish. 14. Players file. 15. Music track 0.
    // 16. The main menu.
    Stub_Screens_Register();
    Screen_Set(0);
    // 17. First run: the welcome and name-entry dialog.
    return true;
}

void App_Shutdown() { Screen_Reset(); }
