// Start-up order. Each step names the subsystem it brings up; the order matters (the
// catalogue before anything that loads, the screen before fonts and images, the players
// file after the images).
#include "shell/startup.h"
#include "chain/chain_draw.h"
#include "content/embedded.h"
#include "content/level_catalogue.h"
#include "engine/audio_out.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/platform.h"
#include "engine/sound.h"
#include "gui/modal.h"
#include "gui/dialog.h"
#include "gui/high_scores.h"
#include "gui/main_menu.h"
#include "gui/map.h"
#include "gui/credits_dialog.h"
#include "gui/options_dialog.h"
#include "gui/player_dialog.h"
#include "gui/msg_boxes.h"
#include "gui/picture_dialogs.h"
#include "play/fx_calls.h"
#include "play/gun.h"
#include "play/gun_hooks.h"
#include "play/ingame_frame.h"
#include "play/match.h"
#include "play/match_file.h"
#include "play/pointer.h"
#include "play/powerups.h"
#include "shell/app_hooks.h"
#include "shell/app_state.h"
#include "shell/config.h"
#include "shell/fonts.h"
#include "shell/graphics_start.h"
#include "shell/log.h"
#include "shell/os_detect.h"
#include "shell/paths.h"
#include "shell/players.h"
#include "shell/random.h"
#include "shell/resource.h"
#include "shell/screen.h"
#include "shell/texts.h"

namespace {
struct Startup_State {
    TImage* logo = nullptr;            // ".\images\GUI\logo_loading.jpg"
    TImage* logo_publisher = nullptr;  // ".\images\GUI\logo_loading_publisher.jpg"
    uint32_t logo_clock = 0;
    bool show_logo = true;             // headless runs skip it: script frames stay aligned
};
Startup_State g_start;

Platform* P() { return Platform_Get(); }

void Apply_Options(const App_Options& o) {
    if (!o.save_dir.empty()) Paths_SetSaveDir(o.save_dir);
    if (!o.content_dir.empty()) {
        Paths_SetContentDir(o.content_dir);
        AssetPrefix = "";
    }
    Audio_ForceSilent(o.headless);
    g_start.show_logo = !o.headless && !o.skip_logo;
}

void Draw_Publisher_Logo() {
    Gfx_SetColor(255, 255, 255);
    Gfx_DrawImage(g_start.logo_publisher, ScreenCenterX, ScreenCenterY, 0);
}

void Logo_Show() {
    if (!g_start.show_logo) return;
    g_start.logo = Gfx_LoadImage(Asset_Path(".\\images\\GUI\\logo_loading.jpg"));
    g_start.logo_publisher = Gfx_LoadImage(Asset_Path(".\\images\\GUI\\logo_loading_publisher.jpg"));
    Gfx_MidHandle(g_start.logo);
    Gfx_MidHandle(g_start.logo_publisher);
    Font_Select(9);
    Gfx_SetBlend(BLEND_SOLID);
    Draw_Publisher_Logo();
    Gfx_Present(-1);
    g_start.logo_clock = P()->Millisecs();
}

void Logo_Finish() {
    if (!g_start.show_logo) return;
    int wait = 2000 - static_cast<int>(P()->Millisecs() - g_start.logo_clock);
    if (wait > 0) P()->Sleep_Ms(wait);
    Gfx_SetColor(0, 0, 0);
    Gfx_DrawRect(0, 0, ScreenWidth, ScreenHeight);
    Draw_Publisher_Logo();
    Font_Select(9);
    Gfx_Present(-1);
    P()->Sleep_Ms(2500);
}

// Every subsystem's load or reset step, in the order they depend on each other.
void Images_LoadAll() {
    FX_InstallCalls();
    Catalogue_Build();
    Pieces_Load_Images();
    Gun_LoadImages();
    PowerUps_LoadImages();
    InGame_Load();
    InGame_Controls_Load();
    Dialogs_Load();
    PictureDialogs_Load();
    MainMenu_Load();
    HS_LoadImages();
    PlayerDialog_Load();
    CreditsDialog_Load();
    OptionsDialog_Load();
    Map_Load();
}

void Store_Window_Mode(int windowed) { Config_SetValue("WINDOWED_MODE", std::to_string(windowed)); }

void Install_Hooks() {
    GUI_InstallHooks();
    MatchFiles_InstallHooks();
    HS_InstallHooks();
    App_Hooks& h = App_GetHooks();
    h.match_rate_update = MatchRate_Update;
    h.music_update = Music_Update;
    h.ambience_update = Ambience_Update;
    h.audio_mute = Audio_Mute;
    h.fonts_reload = Fonts_LoadAll;
    h.window_mode_saved = Store_Window_Mode;
}
}  // namespace

bool App_Boot(const App_Options& o) {
    App_StateReset();
    Input_Reset();
    // 1. The content catalogue, then the engine services.
    Content_RegisterEmbedded();
    // 2. Build-time values and the fixed tables other subsystems own.
    Apply_Options(o);
    Fonts_Reset();
    Modal_Reset();
    Pointer_StateReset();
    Install_Hooks();
    // 3. The window title is set when the screen opens (Graphics_Start).
    // 4. Seed the random generator (a given seed makes the run repeatable).
    Rand_Seed(o.seed_given ? o.seed : P()->Millisecs());
    // 5. The operating-system line.
    Os_Detect();
    Log_Line(Os_StartupLine());
    // 6. Configuration text file; the command line may override the window mode.
    Config_Load();
    if (o.windowed) WindowedMode = 1;
    if (o.fullscreen) WindowedMode = 0;
    // 7. The screen.
    if (!Graphics_Start()) return false;
    // 8. Texts. 9. Fonts. 10. Loading logo. 11. Every subsystem's images.
    Texts_Init();
    Fonts_LoadAll();
    Logo_Show();
    Images_LoadAll();
    // 12. Audio. 13. Logo finish.
    Audio_Init();
    Logo_Finish();
    // 14. Players file (sets FirstRun).
    HS_Create();
    Players_Load();
    HS_Normalise();
    // 15. Music track 0, loaded without presenting a frame.
    Music_Load(0, 1);
    MusicSlot = 0;
    Music_Play(0);
    // 16. The screens; the main menu is entered (or, from the command line, a match at a level).
    MainMenu_Register();
    Map_Register();
    InGame_Register();
    Shooting_InstallHooks();
    if (o.level > 0)
        Match_StartAt(o.level);
    else
        Screen_Set(0);
    // 17. First run: the welcome box asks for the player's name.
    if (FirstRun == 1 && o.level <= 0) Dlg_OpenWelcome();
    return true;
}

void App_Shutdown() {
    Screen_Reset();
    Modal_Reset();
    Sound_Reset();
}
