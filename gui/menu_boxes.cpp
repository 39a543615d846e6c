// The menus' message boxes: quit, continue, welcome with the name entry, hints toggled,
// name in use, user deleted and reset scores.
#include <string>
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/dialog.h"
#include "gui/gui_focus.h"
#include "gui/later_hooks.h"
#include "gui/main_menu.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "gui/name_edit.h"
#include "play/level_run.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/config.h"
#include "shell/fonts.h"
#include "shell/players.h"
#include "shell/screen.h"
#include "shell/texts.h"

namespace {
enum { kYes = 0, kNo, kRetry, kMenu, kContinue, kNewGame, kTrade, kRisk, kReady, kOk };
constexpr int kRowX1 = 39, kRowX2 = 205, kRowY = 187;
constexpr int kSingleX = 121, kSingleY = 170;
constexpr int kNameFont = 5, kNameY = 155; // the welcome box's name entry field

struct Menu_Boxes {
    std::string name; // the welcome box's name entry
    Name_Edit edit;
};
Menu_Boxes g;

void Close_Only(GUIBtn*) {
    Modal_Close();
}

// A two-button box with the keys Escape and Enter.
template <GUIBtn_Callback OnEscape, GUIBtn_Callback OnEnter> void Keys_Then_Buttons() {
    if (Key_Hit(VK_ESCAPE)) return OnEscape(nullptr);
    if (Key_Hit(VK_RETURN)) return OnEnter(nullptr);
    Dlg.buttons.Update_All();
}

// Quit box.
void Quit_Yes(GUIBtn*) {
    Modal_Close();
    QuitRequested = 1;
}
void Quit_Setup() {
    Dlg_Begin(DLG1);
    Dlg_Button(kYes, kRowX1, kRowY, Quit_Yes, 6);
    Dlg_Button(kNo, kRowX2, kRowY, Close_Only, 6);
}
void Quit_Draw() {
    Dlg_DrawBg(DLG1);
    Dlg_WrapCentred(8, TxtMessages[0], 70, 80, Dlg_W(DLG1) - 140);
    Dlg.buttons.Draw_All();
}

// Continue box.
void Continue_Yes(GUIBtn*) {
    Modal_Close();
    int chosen = Relaxed_Mode;
    if (Later.match_load) Later.match_load();
    if (chosen == 0 && Relaxed_Mode == 1) {
        Relaxed_Mode = 0;
        Level_Start();
    }
    Relaxed_Mode = chosen;
}
void Continue_New(GUIBtn*) {
    Modal_Close();
    Dlg_NewRun(1);
    if (Later.map_clear_route) Later.map_clear_route();
    Screen_Set(2);
}
void Continue_Setup() {
    Paused = 1;
    Dlg_Begin(DLG1);
    Dlg_Button(kContinue, kRowX1, kRowY, Continue_Yes, 6);
    Dlg_Button(kNewGame, kRowX2, kRowY, Continue_New, 16);
}
void Continue_Draw() {
    Dlg_DrawBg(DLG1);
    Dlg_WrapCentred(8, TxtMessages[2], 50, 50, Dlg_W(DLG1) - 100);
    Dlg.buttons.Draw_All();
}

// Welcome box with its name entry.
void Welcome_Continue(GUIBtn*) {
    if (!g.name.empty()) {
        PlayerNames[CurrentPlayer] = g.name;
        Config_SetValue("PLAYER" + std::to_string(CurrentPlayer), g.name);
    }
    Modal_Close();
    MainMenu_SetUserCaption();
    Dlg_NewRun(1);
    Screen_Set(1);
}
void Welcome_Enter() {
    Welcome_Continue(nullptr);
}
void Welcome_Setup() {
    Paused = 1;
    g.name.clear();
    NameEdit_Start(g.edit, g.name);
    Dlg_Begin(DLG2);
    Dlg.focus_keys = FOCUS_UP_DOWN; // the name field reads what it types
    Dlg.title_font = Font_Fit(TxtTitles[5], 8, Dlg_W(DLG2) - 110, 40);
    Dlg_Button(kContinue, kSingleX, kSingleY, Welcome_Continue, 6);
}
// The name editor takes the keys; Enter on a typed name accepts it.
void Welcome_Update() {
    Name_Edit_Calls calls;
    calls.on_enter = Welcome_Enter;
    NameEdit_Frame(g.edit, g.name, calls);
    if (!Modal_Active()) return;
    Dlg.buttons.Update_All();
}
void Welcome_Draw() {
    Dlg_DrawBg(DLG2);
    int w = Dlg_W(DLG2);
    Dlg_Centred(Dlg.title_font, TxtTitles[5], w / 2, 80);
    Dlg_Centred(6, TxtMessages[5], w / 2, 116);
    Dlg_Centred(kNameFont, g.name, w / 2, kNameY);
    Font_Select(kNameFont);
    int x = Dlg.x + w / 2 - Gfx_TextWidth(g.name) / 2;
    int y = Dlg.y + kNameY - Gfx_TextHeight() / 2;
    NameEdit_DrawCursor(g.edit, g.name, kNameFont, x, y);
    Dlg.buttons.Draw_All();
}

// The one-button boxes on dlg2: text font, text, and what "OK" leads to.
struct Ok_Box {
    int font;
    const std::string* text;
    void (*after)();
};
Ok_Box g_ok;

void Ok_Act(GUIBtn*) {
    Modal_Close();
    if (g_ok.after) g_ok.after();
}
void Ok_Setup() {
    Dlg_Begin(DLG2);
    Dlg_Button(kOk, kSingleX, kSingleY, Ok_Act, 6);
}
void Ok_Update() {
    if (Dlg_AnyKey()) return Ok_Act(nullptr);
    Dlg.buttons.Update_All();
}
void Ok_Draw() {
    Dlg_DrawBg(DLG2);
    Dlg_WrapCentred(g_ok.font, *g_ok.text, 60, 75, Dlg_W(DLG2) - 120);
    Dlg.buttons.Draw_All();
}
void Open_Ok(int font, const std::string& text, void (*after)()) {
    g_ok = {font, &text, after};
    Modal_Open(Ok_Setup, Ok_Update, Ok_Draw, 1);
}

void Reopen_Options() {
    if (Later.open_options) Later.open_options();
}
void Reopen_Players_Entry() {
    if (Later.open_players) Later.open_players();
    if (Later.players_restore) Later.players_restore(1);
}
void Reopen_Players_Selection() {
    if (Later.open_players) Later.open_players();
    if (Later.players_restore) Later.players_restore(0);
}

// Reset-scores box.
void Reopen_Scores() {
    if (Later.hs_reopen)
        Later.hs_reopen();
    else if (Later.hs_open)
        Later.hs_open(-1, 0);
}
void Reset_Yes(GUIBtn*) {
    Modal_Close();
    if (Later.hs_reset) Later.hs_reset();
    Reopen_Scores();
}
void Reset_No(GUIBtn*) {
    Modal_Close();
    Reopen_Scores();
}
void Reset_Setup() {
    Paused = 1;
    Dlg_Begin(DLG1);
    Dlg_Button(kYes, kRowX1, kRowY, Reset_Yes, 6);
    Dlg_Button(kNo, kRowX2, kRowY, Reset_No, 6);
}
void Reset_Draw() {
    Dlg_DrawBg(DLG1);
    Dlg_WrapCentred(8, TxtMessages[12], 50, 50, Dlg_W(DLG1) - 100);
    Dlg.buttons.Draw_All();
}
} // namespace

void Dlg_OpenQuit() {
    Modal_Open(Quit_Setup, Keys_Then_Buttons<Close_Only, Quit_Yes>, Quit_Draw, 1);
}
void Dlg_OpenContinue() {
    Modal_Open(Continue_Setup, Keys_Then_Buttons<Continue_New, Continue_Yes>, Continue_Draw, 1);
}
void Dlg_OpenWelcome() {
    Modal_Open(Welcome_Setup, Welcome_Update, Welcome_Draw, 1);
}
void Dlg_OpenHintsToggled() {
    int off = Players.hints_off[CurrentPlayer] == 1;
    Open_Ok(8, TxtHintNotice[off], Reopen_Options);
}
void Dlg_OpenNameInUse() {
    Open_Ok(8, TxtMessages[13], Reopen_Players_Entry);
}
void Dlg_OpenUserDeleted() {
    Open_Ok(6, TxtMessages[15], Reopen_Players_Selection);
}
void Dlg_OpenResetScores() {
    Modal_Open(Reset_Setup, Keys_Then_Buttons<Reset_No, Reset_Yes>, Reset_Draw, 1);
}
