// The options window: three volume sliders that act at once on the sound manager and are
// stored for the current player, the full-screen switch with its check box, the hints
// switch, and the credits and help buttons.
#pragma once

struct GUIBtn;

enum { OPT_BTN_MENU = 0, OPT_BTN_FULLSCREEN = 1, OPT_BTN_HINTS = 2, OPT_BTN_CREDITS = 3, OPT_BTN_HELP = 4,
       OPT_SLIDER_FX = 5, OPT_SLIDER_MUSIC = 6, OPT_SLIDER_AMBIENT = 7, OPT_CHECK_FULLSCREEN = 8 };

// Loads the background and builds the widgets (start-up); fills Later.open_options.
void OptionsDialog_Load();
void OptionsDialog_Open();
// Widget id of the open options window (null for other ids).
GUIBtn* OptionsDialog_Button(int id);
