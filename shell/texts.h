// The text table: every word the player sees, in named single texts and groups indexed as
// the screens use them. Texts_Init fills it once at start-up; indices a group does not use
// hold empty strings.
#pragma once
#include <string>

extern std::string TxtScore;        // HUD
extern std::string TxtLives;        // HUD
extern std::string TxtLevel;        // HUD
extern std::string TxtNameInUse;    // players dialog
extern std::string TxtCreditsTitle; // credits dialog
extern std::string TxtLivesLeft;    // lose overlay
extern std::string TxtLastLife;     // lose overlay
extern std::string TxtNobody;       // empty high-score slot
extern std::string TxtPause;        // pause overlay
extern std::string TxtCombo;        // combo label
extern std::string TxtChain;        // chain label
extern std::string TxtApproaching;  // city screen
extern std::string TxtPressKey;     // city screen
constexpr int TxtMainMenuCount = 6;
extern std::string TxtMainMenu[TxtMainMenuCount]; // main-menu buttons and the player line
constexpr int TxtInGameButtonCount = 1;
extern std::string TxtInGameButton[TxtInGameButtonCount]; // the in-game menu button
constexpr int TxtInGameMenuCount = 3;
extern std::string TxtInGameMenu[TxtInGameMenuCount]; // in-game menu
constexpr int TxtLevelChooseCount = 3;
extern std::string TxtLevelChoose[TxtLevelChooseCount]; // level-choose buttons
constexpr int TxtPlayersCount = 3;
extern std::string TxtPlayers[TxtPlayersCount]; // players dialog buttons
constexpr int TxtCreditsBackCount = 1;
extern std::string TxtCreditsBack[TxtCreditsBackCount]; // credits dialog button
constexpr int TxtOptionsCount = 5;
extern std::string TxtOptions[TxtOptionsCount]; // options dialog buttons
constexpr int TxtHintToggleCount = 2;
extern std::string TxtHintToggle[TxtHintToggleCount]; // options hint switch caption
constexpr int TxtHintNoticeCount = 2;
extern std::string TxtHintNotice[TxtHintNoticeCount]; // message after switching hints
constexpr int TxtButtonsCount = 15;
extern std::string TxtButtons[TxtButtonsCount]; // dialog button captions
constexpr int TxtMessagesCount = 16;
extern std::string TxtMessages[TxtMessagesCount]; // dialog messages
constexpr int TxtTitlesCount = 10;
extern std::string TxtTitles[TxtTitlesCount]; // dialog titles
constexpr int TxtTreasureNamesCount = 5;
extern std::string TxtTreasureNames[TxtTreasureNamesCount]; // treasure names
constexpr int TxtTreasureStoryCount = 5;
extern std::string TxtTreasureStory[TxtTreasureStoryCount]; // treasure descriptions
constexpr int TxtLevelStatsCount = 7;
extern std::string TxtLevelStats[TxtLevelStatsCount]; // level-complete labels
constexpr int TxtTipsCount = 15;
extern std::string TxtTips[TxtTipsCount]; // level-complete tips
constexpr int TxtTutorialCount = 21;
extern std::string TxtTutorial[TxtTutorialCount]; // tutorial hints
constexpr int TxtModifiersCount = 10;
extern std::string TxtModifiers[TxtModifiersCount]; // modifier names

// Fills every text of the table (also resets the unused indices to "").
void Texts_Init();
