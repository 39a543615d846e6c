// Keyboard focus in menus and dialogs: a visible ring on one button of an owner's list that
// the arrow keys and Tab move (Shift+Tab, Up and Left backwards) and Enter presses as a click
// would. Hidden and disabled buttons and buttons without a callback are never focused. The pad
// reaches it through its keys (d-pad arrows, A Enter). Escape is left to the dialog's cancel.
#pragma once

struct GUI_List;
struct GUIBtn;

constexpr int BTN_FOCUSED = 0x100; // `states`: the focus ring is on this widget

// Which keys move the focus: a dialog with a text box keeps Left/Right and Tab for its cursor.
constexpr int FOCUS_UP_DOWN = 0x01;
constexpr int FOCUS_LEFT_RIGHT = 0x02;
constexpr int FOCUS_TAB = 0x04;
constexpr int FOCUS_ALL_KEYS = FOCUS_UP_DOWN | FOCUS_LEFT_RIGHT | FOCUS_TAB;

// Reads the focus keys of this frame for list (only while two or more buttons can take the
// focus: a lone button leaves every key to its dialog); call before the list's Update_All. Enter is read
// only while a button has the focus, so a dialog's own Enter works until the focus is moved.
// Returns true when a key was used.
bool GUI_Focus_Keys(GUI_List& list, int keys = FOCUS_ALL_KEYS);
// The focused button of list, or null.
GUIBtn* GUI_Focus_Get(const GUI_List& list);
// Puts the focus on btn (null: nowhere); false when btn can't take it.
bool GUI_Focus_Set(GUI_List& list, GUIBtn* btn);
// True when btn can take the focus: shown, enabled and with a callback.
bool GUI_Focus_Allowed(const GUIBtn& btn);
// Draws the ring round the focused button's hit rectangle; call after the list's Draw_All.
void GUI_Focus_Draw(const GUI_List& list);
