// The in-game controls (the "main menu" button of the board's interface) and the in-game
// menu window: main menu, replay level, resume game.
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/dialog.h"
#include "gui/gui_factories.h"
#include "gui/gui_text.h"
#include "gui/later_hooks.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "play/ingame_frame.h"
#include "play/level_run.h"
#include "play/level_state.h"
#include "shell/resource.h"
#include "shell/screen.h"
#include "shell/texts.h"

namespace {
const char* const kMenuBtnStem = ".\\Images\\InGame\\IG_btns\\ig_btn_menu";
const char* const kWindowName = ".\\Images\\InGame\\IG_Options\\ig_options_bg.png";
constexpr int kMenuBtnId = 0, kMenuBtnX = 0, kMenuBtnY = 610;
constexpr int kMenuBtnFont = 2;
constexpr int kBtnX = 121, kBtnY[3] = {138, 189, 241};

TImage* g_window = nullptr;

void Menu_MainMenu(GUIBtn*) {
    if (Later.match_save) Later.match_save();
    Paused = 0;
    Screen_Set(0);
    Modal_Close();
}
void Menu_Replay(GUIBtn*) {
    Modal_Close();
    Paused = 0;
    Score = ScoreStartLevel;
    Level_Start();
}
void Menu_Resume(GUIBtn*) {
    Modal_Close();
    Paused = 0;
}

void Menu_Setup() {
    Paused = 1;
    Mouse_Show();
    Dlg.buttons.Clear();
    Dlg_Centre(Gfx_ImageWidth(g_window), Gfx_ImageHeight(g_window));
    const GUIBtn_Callback actions[3] = {Menu_MainMenu, Menu_Replay, Menu_Resume};
    for (int i = 0; i < 3; ++i)
        Dlg_Add(Large_Create(i, Dlg.x + kBtnX, Dlg.y + kBtnY[i], actions[i], TxtInGameMenu[i]));
}
void Menu_Update() {
    if (Key_Hit(VK_ESCAPE)) return Menu_Resume(nullptr);
    Dlg.buttons.Update_All();
}
void Menu_Draw() {
    Dlg_Plain(BLEND_ALPHA);
    Gfx_DrawImage(g_window, Dlg.x, Dlg.y, 0);
    Dlg.buttons.Draw_All();
}

void Menu_Button_Up(GUIBtn*) {
    Dlg_OpenInGameMenu();
}
} // namespace

void Dlg_OpenInGameMenu() {
    Modal_Open(Menu_Setup, Menu_Update, Menu_Draw, 1);
}

void InGame_Controls_Load() {
    if (!g_window) g_window = Gfx_LoadImage(Asset_Path(kWindowName));
    GUI_List& list = InGame_Buttons();
    if (list.Find(kMenuBtnId)) return;
    auto b = GUIBtn::Create(kMenuBtnId, kMenuBtnX, kMenuBtnY);
    TImage* hov = b->SetInfo_Img(kMenuBtnStem, BTN_HAS_HOVERED, 1, 0, 109, 40);
    b->SetInfo_Img(kMenuBtnStem, BTN_HAS_PRESSED, 1, 0, 109, 40);
    b->SetInfo_Img(kMenuBtnStem, BTN_HAS_DEFAULT, 1, 0, 109, 40);
    int w = hov ? Gfx_ImageWidth(hov) : 109, h = hov ? Gfx_ImageHeight(hov) : 40;
    b->SetInfo_Hit(0, 0, w, h);
    b->SetInfo_Caption(TxtInGameButton[0], GUI_Font(kMenuBtnFont), 215, 245, 255, BTN_STYLE_CAPTION, w / 2,
                       h / 2);
    b->SetInfo_Callback(nullptr, Menu_Button_Up, nullptr);
    list.Add(std::move(b));
}
