// The text table, filled by Texts_Init.
#include "shell/texts.h"

std::string TxtScore;
std::string TxtLives;
std::string TxtLevel;
std::string TxtNameInUse;
std::string TxtCreditsTitle;
std::string TxtLivesLeft;
std::string TxtLastLife;
std::string TxtNobody;
std::string TxtPause;
std::string TxtCombo;
std::string TxtChain;
std::string TxtApproaching;
std::string TxtPressKey;
std::string TxtMainMenu[TxtMainMenuCount];
std::string TxtInGameButton[TxtInGameButtonCount];
std::string TxtInGameMenu[TxtInGameMenuCount];
std::string TxtLevelChoose[TxtLevelChooseCount];
std::string TxtPlayers[TxtPlayersCount];
std::string TxtCreditsBack[TxtCreditsBackCount];
std::string TxtOptions[TxtOptionsCount];
std::string TxtHintToggle[TxtHintToggleCount];
std::string TxtHintNotice[TxtHintNoticeCount];
std::string TxtButtons[TxtButtonsCount];
std::string TxtMessages[TxtMessagesCount];
std::string TxtTitles[TxtTitlesCount];
std::string TxtTreasureNames[TxtTreasureNamesCount];
std::string TxtTreasureStory[TxtTreasureStoryCount];
std::string TxtLevelStats[TxtLevelStatsCount];
std::string TxtTips[TxtTipsCount];
std::string TxtTutorial[TxtTutorialCount];
std::string TxtModifiers[TxtModifiersCount];

void Texts_Init() {
    TxtScore = "score: ";
    TxtLives = "lives: ";
    TxtLevel = "level: ";
    TxtNameInUse = "Name already in use";
    TxtCreditsTitle = "Credits:";
    TxtLivesLeft = " lives left!";
    TxtLastLife = "Last life!";
    TxtNobody = "Nobody yet";
    TxtPause = "PAUSE";
    TxtCombo = "combo";
    TxtChain = "chain";
    TxtApproaching = "Approaching ";
    TxtPressKey = "press any key to continue...";
    for (std::string& s : TxtMainMenu)
        s.clear();
    TxtMainMenu[0] = "Play";
    TxtMainMenu[1] = "Relaxed Play";
    TxtMainMenu[2] = "User: ";
    TxtMainMenu[3] = "Options";
    TxtMainMenu[4] = "High Scores";
    TxtMainMenu[5] = "Exit";
    for (std::string& s : TxtInGameButton)
        s.clear();
    TxtInGameButton[0] = "main menu";
    for (std::string& s : TxtInGameMenu)
        s.clear();
    TxtInGameMenu[0] = "main menu";
    TxtInGameMenu[1] = "replay level";
    TxtInGameMenu[2] = "resume game";
    for (std::string& s : TxtLevelChoose)
        s.clear();
    TxtLevelChoose[0] = "main menu";
    TxtLevelChoose[1] = "start";
    TxtLevelChoose[2] = "treasures";
    for (std::string& s : TxtPlayers)
        s.clear();
    TxtPlayers[0] = "play";
    TxtPlayers[1] = "main menu";
    TxtPlayers[2] = "delete";
    for (std::string& s : TxtCreditsBack)
        s.clear();
    TxtCreditsBack[0] = "back";
    for (std::string& s : TxtOptions)
        s.clear();
    TxtOptions[0] = "main menu";
    TxtOptions[1] = "full screen";
    TxtOptions[2] = "enable hints";
    TxtOptions[3] = "C";
    TxtOptions[4] = "?";
    for (std::string& s : TxtHintToggle)
        s.clear();
    TxtHintToggle[0] = "disable hints";
    TxtHintToggle[1] = "enable hints";
    for (std::string& s : TxtHintNotice)
        s.clear();
    TxtHintNotice[0] = "Hints are now enabled.";
    TxtHintNotice[1] = "Hints are now disabled.";
    for (std::string& s : TxtButtons)
        s.clear();
    TxtButtons[0] = "yes";
    TxtButtons[1] = "no";
    TxtButtons[2] = "retry";
    TxtButtons[3] = "menu";
    TxtButtons[4] = "continue";
    TxtButtons[5] = "new game";
    TxtButtons[6] = "yes, trade";
    TxtButtons[7] = "no, risk it";
    TxtButtons[8] = "ready";
    TxtButtons[9] = "OK";
    TxtButtons[10] = "don't show this again";
    TxtButtons[11] = "back";
    TxtButtons[12] = "<";
    TxtButtons[13] = ">";
    TxtButtons[14] = "reset";
    for (std::string& s : TxtMessages)
        s.clear();
    TxtMessages[0] = "Do you really want to quit?";
    TxtMessages[1] = "Do you want to try again?";
    TxtMessages[2] = "Would you like to continue your previous game?";
    TxtMessages[3] = "The string of pearls is close to the hole, you will lose if they fall in! Would you "
                     "like to trade a life to roll back the pearls?";
    TxtMessages[4] = "Press any key when you are ready!";
    TxtMessages[5] = "please enter your name:";
    TxtMessages[9] = "press any key to continue...";
    TxtMessages[10] = "Click on one of the arrows to choose your path through the game.";
    TxtMessages[11] = "All hints are enabled now.";
    TxtMessages[12] = "Really reset high scores?";
    TxtMessages[13] = "That name is already in use.";
    TxtMessages[14] = "You have lost your last life.";
    TxtMessages[15] = "User deleted.";
    for (std::string& s : TxtTitles)
        s.clear();
    TxtTitles[1] = "Game Over";
    TxtTitles[3] = "Warning!";
    TxtTitles[5] = "Welcome to Avelmoor!";
    TxtTitles[6] = "Congratulations! Level complete!";
    TxtTitles[8] = "High Scores";
    TxtTitles[9] = "Congratulations.                      You solved all challenges,          and obtained "
                   "all treasures.        Now you have the right to          stay forever in:                "
                   "     Avelmoor - the land of youth.";
    for (std::string& s : TxtTreasureNames)
        s.clear();
    TxtTreasureNames[0] = "Cauldron Of Dagda";
    TxtTreasureNames[1] = "Stone Of Destiny";
    TxtTreasureNames[2] = "Sword Of Light";
    TxtTreasureNames[3] = "Spear Of Lugh";
    TxtTreasureNames[4] = "Amulet of Avelmoor";
    for (std::string& s : TxtTreasureStory)
        s.clear();
    TxtTreasureStory[0] =
        " This cauldron has marvelous powers! Some say the food in it has healing powers and never runs out. "
        "It was also the only thing that could soothe Lugh's spear from its flaming rage.";
    TxtTreasureStory[1] = " It is said that the stone would utter a cry to announce the true High King.";
    TxtTreasureStory[2] = " This sword was forged in Gorias and sent as a gift to Nuada. There's no "
                          "resisting it when it's drawn from its sheath.";
    TxtTreasureStory[3] = " This marvelous artifact was forged by the god Lugh himself and it is said that "
                          "whoever wields it in battle will always return victorious.";
    TxtTreasureStory[4] =
        " The Amulet of Avelmoor is used as a key to unlock the passage to the final challenge.";
    for (std::string& s : TxtLevelStats)
        s.clear();
    TxtLevelStats[0] = "chain score: ";
    TxtLevelStats[1] = "combo score: ";
    TxtLevelStats[2] = "longest set: ";
    TxtLevelStats[3] = "time: ";
    TxtLevelStats[4] = "score: ";
    TxtLevelStats[5] = "coins: ";
    TxtLevelStats[6] = "hint:";
    for (std::string& s : TxtTips)
        s.clear();
    TxtTips[0] = "Get an extra life every 30,000 points.";
    TxtTips[1] = "Swap pearls with a right mouse click.";
    TxtTips[2] = "Chains are consecutive matches. Make chains to score extra points.";
    TxtTips[3] = "Combos are several matches with one pearl. Make combos to gain more points.";
    TxtTips[4] = "Fill the blue gauge at the top of the screen to complete a level.";
    TxtTips[5] = "On harder levels, try matching the special pearls.";
    TxtTips[6] = "Don't forget to use the hammer.";
    TxtTips[7] = "Use the fireball to activate other special pearls.";
    TxtTips[8] = "The silver hammer will smash five pearls.";
    TxtTips[9] = "To complete the level faster, shoot the magic artifacts.";
    TxtTips[10] = "Use the golden hammer to remove all of the pearls of a particular color.";
    TxtTips[11] = "To earn a coin, make five consecutive sets.";
    TxtTips[12] = "You get a coin for every pusher you destroy.";
    TxtTips[13] = "Shoot coins to earn extra points.";
    TxtTips[14] = "You can destroy the current pearl as many times as you want by right clicking.";
    for (std::string& s : TxtTutorial)
        s.clear();
    TxtTutorial[1] = "Match three or more pearls of the same color in a row to remove them. Don't let pearls "
                     "reach the hole!";
    TxtTutorial[2] = "Some pearls have special powers. When this pearl is part of a match, it makes the "
                     "string of pearls roll back.";
    TxtTutorial[3] = "Chroma pearls match with any colored pearls they touch, even two colors at once.";
    TxtTutorial[4] =
        "With each match, you score points and this bar fills up. Once the bar is filled, no more pearls "
        "will roll in. However, you must still stop the remaining pearls from reaching the hole.";
    TxtTutorial[5] = "After making a certain number of matches, the hammer becomes available (upper right "
                     "corner of the screen).";
    TxtTutorial[6] = "The hammer is now available. Click on it to change your cursor into a hammer.";
    TxtTutorial[7] = "Click on this pearl and the hammer will smash it.";
    TxtTutorial[8] = "When a freeze pearl is a part of a match, all of the pearls on the screen will stop "
                     "for a few seconds.";
    TxtTutorial[9] =
        "The hammer is now available. You can use it now or score more points to earn a more powerful hammer";
    TxtTutorial[10] = "This hammer smashes the pearl you hit and two pearls on either side of it. You can "
                      "use it now or score more points to earn an even more powerful hammer.";
    TxtTutorial[11] =
        "This is the most powerful hammer in the game. It destroys all of the pearls of the same color.";
    TxtTutorial[12] = "This pearl activates the fireball. The fireball destroys everything in its path, "
                      "including an entire string of pearls.";
    TxtTutorial[13] = "This pearl will explode and destroy other nearby pearls when it's part of a match.";
    TxtTutorial[14] = "This bonus adds a beam of light to your cannon to help you aim, and temporarily "
                      "shoots the pearls faster.";
    TxtTutorial[15] = "This pearl launches the flame orb, which rolls backward from the hole and destroys "
                      "the first seven pearls in its way.";
    TxtTutorial[16] = "Collect coins by hitting them with pearls. They're worth a lot of points.";
    TxtTutorial[17] = "Magic artifacts fill up the bar quicker, thereby helping you beat levels faster.";
    TxtTutorial[18] =
        "This is a powerful bonus! Stardust detonates 10 pearls randomly and removes them from the board.";
    TxtTutorial[19] =
        "This pearl has a chain wrapped around it. The first match destroys the chain, but not the pearl.";
    TxtTutorial[20] = "These pearls temporarily double or triple the points you earn.";
    for (std::string& s : TxtModifiers)
        s.clear();
    TxtModifiers[0] = "magic light";
    TxtModifiers[1] = "rollback";
    TxtModifiers[2] = "stardust";
    TxtModifiers[3] = "freeze";
    TxtModifiers[4] = "flame orb";
    TxtModifiers[5] = "fireball";
    TxtModifiers[7] = "double score";
    TxtModifiers[8] = "triple score";
    TxtModifiers[9] = "bomb";
}
