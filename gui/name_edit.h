// The one-line name editor of the player dialog and the welcome box: a cursor that moves with
// the arrow keys, Home and End, Backspace and Delete, typed characters inserted at the cursor
// up to 11 characters, and a blinking cursor bar. Positions count characters (code points),
// so a name with any bytes in it edits and draws without splitting a character.
#pragma once
#include <string>

constexpr int NAME_EDIT_MAX = 11;       // characters a name may have
constexpr int NAME_EDIT_BLINK_MS = 500; // cursor on / off period
extern const char* const NameEmptyText; // how an empty name reads: "Anonymous"

// One user's editor state (the text lives with its owner).
struct Name_Edit {
    int cursor = 0;  // characters before the cursor, 0..length
    int blink = 0;   // ms until the cursor flips
    int visible = 0; // 1 while the cursor bar shows
};

// What the editor calls: Enter on a non-empty text, Escape, and once at the start of every frame.
struct Name_Edit_Calls {
    void (*on_enter)() = nullptr;
    void (*on_escape)() = nullptr;
    void (*on_each_frame)() = nullptr;
};

// Editing begins: cursor at the end, cursor hidden for the first half period, key presses and
// typed characters dropped (held keys stay held, as everywhere in the dialogs).
void NameEdit_Start(Name_Edit& e, const std::string& text);
// One frame of keys and typing on text (the first matching key only), then the blink.
void NameEdit_Frame(Name_Edit& e, std::string& text, const Name_Edit_Calls& calls);
// The cursor bar over text drawn in font with its top-left at (x, y), when visible.
void NameEdit_DrawCursor(const Name_Edit& e, const std::string& text, int font, int x, int y);
// A stored name as the game shows it: "Anonymous" when empty.
std::string Name_Shown(const std::string& name);
