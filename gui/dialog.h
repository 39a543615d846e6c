// The machinery every dialog shares: the seven skins, the open dialog's button list, origin
// and fitted fonts, the layout rule (background centred on the screen) and the text helpers
// that place words relative to the origin. Dialog state is overwritten by the next set-up.
#pragma once
#include <memory>
#include <string>
#include "gui/gui_list.h"

struct TImage;

// One skin: background and its button images (any may be null).
struct Dlg_Skin {
    TImage* bg = nullptr;
    TImage* btn_default = nullptr;
    TImage* btn_hovered = nullptr;
    TImage* btn_pressed = nullptr;
    TImage* btn_disabled = nullptr;
};
constexpr int DLG_SKIN_COUNT = 7;
extern Dlg_Skin Dlg_Skins[DLG_SKIN_COUNT]; // dlg1 .. dlg7 at 0 .. 6

// Skin numbers as the dialogs name them.
enum { DLG1 = 0, DLG2, DLG3, DLG4, DLG5, DLG6, DLG7 };

struct Dlg_State {
    GUI_List buttons;   // the message-box button list, front to back
    int x = 0, y = 0;   // origin: top-left of the background
    int msg_font = 0;   // fitted message font
    int title_font = 0; // fitted title font
    // Keys that move the keyboard focus ring over `buttons` (gui_focus.h). Dlg_Begin sets all
    // of them; a dialog with a text field keeps Left/Right and Tab for its cursor by setting
    // FOCUS_UP_DOWN after Dlg_Begin.
    int focus_keys = 0;
};
extern Dlg_State Dlg;

// Loads the skins and the dialog pictures once at start-up.
void Dialogs_Load();
// Width and height of a skin's background (0 when missing).
int Dlg_W(int skin);
int Dlg_H(int skin);
// Set-up start: empties the button list and centres the origin on the skin's background.
void Dlg_Begin(int skin);
// Origin that centres an image of w x h on the screen (integer halves).
void Dlg_Centre(int w, int h);
// Appends a widget and returns it.
GUIBtn* Dlg_Add(std::unique_ptr<GUIBtn> btn);
// A message-box button (caption id) at (dx, dy) from the origin.
GUIBtn* Dlg_Button(int id, int dx, int dy, GUIBtn_Callback up, int font);
// A button made from a skin's images, caption centred on its hovered image, hit rectangle
// its default image; at (dx, dy) from the origin.
GUIBtn* Dlg_SkinButton(int skin, int id, int dx, int dy, GUIBtn_Callback up, const std::string& caption,
                       int font);

// Drawing state back to white, alpha 1, scale 1, no rotation and blend mode blend.
void Dlg_Plain(int blend);
// The skin's background at the origin (alpha blending).
void Dlg_DrawBg(int skin);
// Texts at (dx, dy) from the origin in font: word-wrapped to width with each line centred,
// word-wrapped left-aligned, and one line centred on the point.
void Dlg_WrapCentred(int font, const std::string& text, int dx, int dy, int width);
void Dlg_WrapLeft(int font, const std::string& text, int dx, int dy, int width);
void Dlg_Centred(int font, const std::string& text, int dx, int dy);

// 1 when the player pressed a key that types something (a character waiting, or a key hit
// other than a modifier or lock key); consumes the frame's key hits and characters.
int Dlg_AnyKey();
