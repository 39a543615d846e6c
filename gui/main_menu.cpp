// The main menu screen.
#include "gui/main_menu.h"
#include <string>
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/sound.h"
#include "gui/dialog.h"
#include "gui/gui_factories.h"
#include "gui/gui_focus.h"
#include "gui/gui_list.h"
#include "gui/gui_text.h"
#include "gui/later_hooks.h"
#include "gui/menu_sparkle.h"
#include "gui/mm_bird.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/config.h"
#include "shell/players.h"
#include "shell/random.h"
#include "shell/resource.h"
#include "shell/screen.h"
#include "shell/texts.h"

namespace {
const std::string kDir = ".\\images\\mainmenu\\";
constexpr int kFlagCells = 20, kFlagFps = 25, kFlagX = 184, kFlagY = 112;
constexpr int kPanelX = 565, kPanelY = 89;
constexpr int kPlayX = 635, kPlayY = 138, kPlayFont = 3;
constexpr int kColumnX = 586;
constexpr int kColumnY[5] = {254, 302, 351, 399, 447};
constexpr int kLogoMargin = 10;
enum { kBtnPlay = 0, kBtnRelaxed, kBtnUser, kBtnOptions, kBtnScores, kBtnExit };

struct Main_Menu {
    TImage* bg = nullptr;
    TImage* panel = nullptr;
    TImage* portal = nullptr;
    TImage* tree = nullptr;
    TImage* fog = nullptr;
    TImage* flag = nullptr;
    TImage* logo = nullptr;
    GUI_List buttons;
    MMBird_List birds;
    int fog_offset = 0;   // pixels, 0 <= offset < screen width
    int fog_delay = 0;    // ms before the fog starts drifting; stays negative once run out
    float flag_frame = 0; // cell of the flag, fractional
};
Main_Menu g;

TImage* Load(const std::string& name) {
    return Gfx_LoadImage(Asset_Path(kDir + name));
}
TImage* Load_Strip(const std::string& name, int cell, int cells) {
    return Gfx_LoadAnimImage(Asset_Path(kDir + name), cell, cell, 0, cells);
}

void Play_Up(GUIBtn*) {
    MainMenu_Play(0);
}
void Relaxed_Up(GUIBtn*) {
    MainMenu_Play(1);
}
void User_Up(GUIBtn*) {
    if (Later.open_players) Later.open_players();
}
void Options_Up(GUIBtn*) {
    if (Later.open_options) Later.open_options();
}
void Scores_Up(GUIBtn*) {
    if (Later.hs_open) Later.hs_open(-1, 0);
}
void Exit_Up(GUIBtn*) {
    Dlg_OpenQuit();
}

void Build_Buttons() {
    g.buttons.Clear();
    auto play = GUIBtn::Create(kBtnPlay, kPlayX, kPlayY);
    const std::string stem = kDir + "mm_btns\\mm_btn_play";
    TImage* hov = play->SetInfo_Img(stem, BTN_HAS_HOVERED, 1, 0, 88, 89);
    play->SetInfo_Img(stem, BTN_HAS_PRESSED, 1, 0, 88, 89);
    play->SetInfo_Img(stem, BTN_HAS_DEFAULT, 1, 0, 88, 89);
    int w = hov ? Gfx_ImageWidth(hov) : 88, h = hov ? Gfx_ImageHeight(hov) : 89;
    play->SetInfo_Hit(0, 0, w, h);
    play->SetInfo_Caption(TxtMainMenu[0], GUI_Font(kPlayFont), 255, 255, 255, BTN_STYLE_CAPTION, w / 2,
                          h / 2);
    play->SetInfo_Callback(nullptr, Play_Up, nullptr);
    g.buttons.Add(std::move(play));
    const GUIBtn_Callback ups[5] = {Relaxed_Up, User_Up, Options_Up, Scores_Up, Exit_Up};
    for (int i = 0; i < 5; ++i)
        g.buttons.Add(MM_Create(kBtnRelaxed + i, kColumnX, kColumnY[i], ups[i]));
}

void Input() {
    if (Modal_Active()) return;
    GUI_Focus_Keys(g.buttons);
    if (Modal_Active()) return;
    if (Key_Hit(VK_ESCAPE))
        Dlg_OpenQuit();
    else if (Key_Hit(VK_RETURN))
        MainMenu_Play(0);
    if (Modal_Active()) return;
    g.buttons.Update_All();
}

void Draw_Fog() {
    if (g.fog_delay >= 0) g.fog_delay -= static_cast<int>(FrameTime);
    if (g.fog_delay < 0) {
        g.fog_offset += 1;
        if (g.fog_offset >= ScreenWidth) g.fog_offset = 0;
    }
    Gfx_DrawImage(g.fog, static_cast<float>(g.fog_offset), 0, 0);
    Gfx_DrawImage(g.fog, static_cast<float>(g.fog_offset - ScreenWidth), 0, 0);
}

void Draw_Logo() {
    int lw = Gfx_ImageWidth(g.logo), lh = Gfx_ImageHeight(g.logo);
    float ly = static_cast<float>(ScreenHeight - lh - kLogoMargin);
    Gfx_SetColor(0, 0, 0);
    Gfx_DrawRect(kLogoMargin, ly, static_cast<float>(lw), static_cast<float>(lh));
    Gfx_SetColor(255, 255, 255);
    Gfx_SetBlend(BLEND_LIGHT);
    Gfx_DrawImage(g.logo, kLogoMargin, ly, 0);
    Gfx_SetBlend(BLEND_ALPHA);
}
} // namespace

void MainMenu_Load() {
    g.bg = Load("mm_bg.bmp");
    g.panel = Load("mm_interface.png");
    g.portal = Load("mm_layer_01_portal" + LanguageSuffix + ".png");
    g.tree = Load("mm_layer_05_tree.png");
    g.fog = Load("mm_layer_10_fog.png");
    g.flag = Gfx_LoadAnimImage(Asset_Path(kDir + "mm_flag.png"), 30, 20, 0, kFlagCells);
    g.logo = Load("mm_logo_studio.jpg");
    MMBird_Img.small_left = Load_Strip("mm_bird30_left.png", 30, MMBIRD_CELLS);
    MMBird_Img.small_right = Load_Strip("mm_bird30_right.png", 30, MMBIRD_CELLS);
    MMBird_Img.large_left = Load_Strip("mm_bird36_left.png", 36, MMBIRD_CELLS);
    MMBird_Img.large_right = Load_Strip("mm_bird36_right.png", 36, MMBIRD_CELLS);
    g.birds.Clear();
    g.birds.spawn_countdown = 0;
    Build_Buttons();
}

void MainMenu_Register() {
    Screen_Register(0, {MainMenu_Enter, nullptr, MainMenu_Frame});
}

void MainMenu_Enter() {
    Ambience_StartMenu();
    Music_Play(0);
    Mouse_Show();
    g.fog_offset = Rand(0, ScreenWidth - 1);
    g.fog_delay = Rand(0, 99);
    g.flag_frame = static_cast<float>(Rand(0, kFlagCells - 1));
    g.birds.Clear();
    Menu_Sparkles_Clear();
    MainMenu_SetUserCaption();
}

void MainMenu_Frame() {
    Input();
    Menu_Sparkles_Update();
    Menu_Sparkles_Spawn_Portal();
    Dlg_Plain(BLEND_ALPHA);
    Gfx_DrawImage(g.bg, 0, 0, 0);
    MainMenu_DrawFlag(kFlagX, kFlagY);
    MainMenu_BirdsFrame();
    Draw_Fog();
    Gfx_DrawImage(g.tree, 0, 0, 0);
    Gfx_DrawImage(g.portal, 0, 0, 0);
    Menu_Sparkles_Draw();
    Dlg_Plain(BLEND_ALPHA);
    if (!Modal_Active()) {
        Gfx_DrawImage(g.panel, kPanelX, kPanelY, 0);
        g.buttons.Draw_All();
        GUI_Focus_Draw(g.buttons);
    }
    Draw_Logo();
}

void MainMenu_SetUserCaption() {
    if (GUIBtn* b = g.buttons.Find(kBtnUser)) b->caption = TxtMainMenu[2] + PlayerNames[CurrentPlayer];
}

void MainMenu_Play(int relaxed) {
    Relaxed_Mode = relaxed;
    if (Later.match_exists && Later.match_exists()) {
        Dlg_OpenContinue();
        return;
    }
    if (Later.map_clear_route) Later.map_clear_route();
    Screen_Set(2);
}

void MainMenu_DrawFlag(int x, int y) {
    g.flag_frame += kFlagFps * FrameDt;
    while (static_cast<int>(g.flag_frame) >= kFlagCells)
        g.flag_frame -= kFlagCells;
    Gfx_DrawImage(g.flag, static_cast<float>(x), static_cast<float>(y), static_cast<int>(g.flag_frame));
}

void MainMenu_BirdsFrame() {
    g.birds.Frame();
}

void MainMenu_BirdsClear() {
    g.birds.Clear();
}

void MainMenu_DrawTree() {
    Gfx_DrawImage(g.tree, 0, 0, 0);
}

int MainMenu_BirdCount() {
    return static_cast<int>(g.birds.birds.size());
}
