// Ready-made widgets of the menus, dialogs and level map: large and main-menu buttons,
// option buttons, slider knob, check box, map nodes and arrows, player entries and
// message-box buttons. Images the map and the players dialog share are installed by them.
#pragma once
#include <memory>
#include <string>
#include "gui/gui_btn.h"

// Shared images and click handlers that the level map and the players dialog provide.
struct GUI_Factory_Shared {
    TImage* level_default = nullptr; // plain level node
    TImage* sub_hovered = nullptr;   // sub-pack node
    TImage* sub_pressed = nullptr;
    TImage* sub_default = nullptr;
    TImage* level_marker = nullptr;  // selection marker of a node, mid-handled
    TImage* arrow_hovered = nullptr; // route arrow, mid-handled
    TImage* arrow_pressed = nullptr;
    TImage* arrow_default = nullptr;
    GUIBtn_Callback level_up = nullptr;  // level-node click
    GUIBtn_Callback arrow_up = nullptr;  // route-arrow click
    GUIBtn_Callback player_up = nullptr; // player-entry click
};
extern GUI_Factory_Shared GUI_Shared;

// Caption fonts of the factories (indices into the font table).
constexpr int GUI_FONT_LARGE_BTN = 3;
constexpr int GUI_FONT_MAIN_MENU = 2;
constexpr int GUI_FONT_OPTIONS = 6;
constexpr int GUI_SLIDER_RANGE = 201; // screen units a slider knob may travel right of its start

std::unique_ptr<GUIBtn> Large_Create(int id, int x, int y, GUIBtn_Callback up, const std::string& text);
// Caption: main-menu text id.
std::unique_ptr<GUIBtn> MM_Create(int id, int x, int y, GUIBtn_Callback up);
// Caption: options text id.
std::unique_ptr<GUIBtn> Opt_Small_Create(int id, int x, int y, GUIBtn_Callback up);
// Slider knob travelling from x to x + 201.
std::unique_ptr<GUIBtn> Opt_Slider_Create(int id, int x, int y, GUIBtn_Callback up, GUIBtn_Callback move);
std::unique_ptr<GUIBtn> Opt_Check_Create(int id, int x, int y, GUIBtn_Callback down);
// Map node of catalogue index level (kept in custom_data1).
std::unique_ptr<GUIBtn> Level_Create(int id, int x, int y, int level);
// Route arrow centred on its position; at (0, 0) until placed.
std::unique_ptr<GUIBtn> LevelArrow_Create(int id);
std::unique_ptr<GUIBtn> MM_Players_Create(int id, int x, int y);
// Caption: message-box button text id in font font.
std::unique_ptr<GUIBtn> MsgBox_Create(int id, int x, int y, GUIBtn_Callback up, int font);
