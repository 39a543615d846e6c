// The dialogs built around a picture: the treasure dialog (with arrows between the owned
// treasures), the two help pages, the city screen before a new pack, the route hint at a
// crossroad of the map (input reaches the map) and the victory screen after the last pack.
#pragma once

constexpr int TREASURE_COUNT = 5;

// One treasure's page: positions relative to the dialog origin, fitted fonts.
struct DlgTreasure {
    int text_x = 0, text_y = 0;   // description, top-left
    int text_dx = 0;              // description wrap width
    int title_x = 0, title_y = 0; // title centre
    int title_dx = 0;             // kept at 0
    struct TImage* img = nullptr;
    int font_id = 0;       // fitted description font
    int font_title_id = 0; // fitted title font
};
extern DlgTreasure DlgTreasures[TREASURE_COUNT];

// Builds the treasure pages and loads the pictures (start-up, after the fonts and skins).
void PictureDialogs_Load();

// Treasure i (0..4) of the current player.
void Dlg_OpenTreasure(int i);
// The treasure shown now.
int Dlg_TreasureShown();
// Help page (0 or 1); from_tutorial 1: the close button says "continue" and hands back to the tutorial.
void Dlg_OpenHelp(int page, int from_tutorial);
// The help page shown now.
int Dlg_HelpPage();
// City picture 0..3 with its caption.
void Dlg_OpenCity(int city);
// Route hint with its top-left near (x, y), kept on the screen.
void Dlg_OpenRouteHint(int x, int y);
// The end-of-game screen.
void Dlg_OpenVictory();
