// The player window: ten named player slots. Clicking a slot makes it the current player and
// starts renaming it in place; "delete" wipes the current player's progress and saved match.
#pragma once

struct GUIBtn;

enum { PLR_BTN_PLAY = 0, PLR_BTN_MENU = 1, PLR_BTN_DELETE = 2, PLR_ENTRY_FIRST = 3 };

// Loads the background and builds the widgets (start-up); fills Later.open_players and
// Later.players_restore.
void PlayerDialog_Load();
void PlayerDialog_Open();
// Widget by id (entries: PLR_ENTRY_FIRST + slot); null for other ids.
GUIBtn* PlayerDialog_Button(int id);
// Slot being renamed, -1 for none.
int PlayerDialog_Editing();
