// Every message box of the game, each opened into the modal slot with input swallowed: the
// level's boxes (ready, roll-back trade, level complete, last life, try again, the in-game
// menu) and the menus' boxes (quit, continue, welcome, hints toggled, name in use, user
// deleted, reset scores).
#pragma once

// Level run.
void Dlg_OpenReady();
void Dlg_OpenTrade();         // closes at once (nothing shown) when no life is left
void Dlg_OpenLevelComplete(); // statistics and a random tip
void Dlg_OpenLastLife();      // "OK" leads to the high scores, then the try-again box
void Dlg_OpenTryAgain();
// End of a match: the entry in the high-score table, then the last-life box, or the
// try-again box at once when the score earns no place.
void Dlg_GameOver();
void Dlg_OpenInGameMenu();
// The in-game "main menu" button, appended to the in-game screen's widget list.
void InGame_Controls_Load();

// Menus.
void Dlg_OpenQuit();
void Dlg_OpenContinue(); // mode chosen in the main menu is Relaxed_Mode when it opens
void Dlg_OpenWelcome();
void Dlg_OpenHintsToggled();
void Dlg_OpenNameInUse();
void Dlg_OpenUserDeleted();
void Dlg_OpenResetScores();

// Tip drawn for the last level-complete dialog, 0..14.
int Dlg_TipIndex();
// A new run at level: score 0, 4 lives, the player's saved match files deleted.
void Dlg_NewRun(int level);
