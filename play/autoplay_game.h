// The built-in player through the whole game: from the main menu (and the welcome box on a
// first start) over the level-choose map, branch choices at the crossroads drawn from its
// seed, every level played by the level player, until the victory screen or a game over.
// It acts only through a person's inputs sent into the input service: pointer moves and
// clicks on the screens' buttons, nodes and arrows, typed characters and keys in dialogs.
// It prints one line per level played and, at the end, the route and the totals.
#pragma once
#include "play/autoplay.h"

struct AutoGame_Totals {
    int levels = 0;     // level attempts (won or lost)
    int wins = 0;       // levels won
    int game_overs = 0; // matches ended by the last life
    int victory = 0;    // 1 once the victory screen showed
};

void AutoGame_Start(const Autoplay_Config& level_player);
bool AutoGame_Active();
// One look after every frame: watches the outcome of levels and acts on the screen shown.
void AutoGame_AfterFrame();
// Prints the route and the totals (once); the run ends by itself at victory or game over.
void AutoGame_Finish();
const AutoGame_Totals& AutoGame_GetTotals();
