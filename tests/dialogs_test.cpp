// Message boxes, the in-game menu and the picture dialogs driven by keys and clicks on the
// booted game.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include "engine/input.h"
#include "gui/dialog.h"
#include "gui/later_hooks.h"
#include "gui/map.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "gui/picture_dialogs.h"
#include "play/level_state.h"
#include "play/pointer.h"
#include "shell/app_state.h"
#include "shell/players.h"
#include "tests/harness.h"

namespace {
// What the dialogs asked of the later modules.
struct Calls {
    int hs_open = 0, hs_after = -2, hs_reset = 0, match_load = 0, options = 0, tutorial = 0;
};
Calls g_calls;

void Install_Recorders() {
    g_calls = Calls();
    Later = Later_Hooks();
    Later.hs_open = [](int, int after) {
        ++g_calls.hs_open;
        g_calls.hs_after = after;
    };
    Later.hs_reset = [] { ++g_calls.hs_reset; };
    Later.match_load = [] { ++g_calls.match_load; };
    Later.open_options = [] { ++g_calls.options; };
    Later.tutorial_resume = [] { ++g_calls.tutorial; };
}

void Press(Harness& h, int key) {
    Input_OnKeyDown(key);
    h.Run(1);
    Input_OnKeyUp(key);
}

struct DialogsTest : ::testing::Test {
    Harness h{7};
    void SetUp() override {
        ASSERT_TRUE(h.booted);
        Install_Recorders();
    }
    void TearDown() override { Later = Later_Hooks(); }
    // A running level with no dialog open.
    void Level() {
        h.StartLevel(1);
        h.Run(1);
        Modal_Close();
        Paused = 0;
        QuitRequested = 0;
    }
};
} // namespace

TEST_F(DialogsTest, EveryBoxAnswersItsKeys) {
    struct Case {
        const char* name;
        void (*open)();
        int key;
        std::function<void()> check;
    };
    const Case cases[] = {
        {"quit/escape", Dlg_OpenQuit, VK_ESCAPE,
         [] {
             EXPECT_EQ(QuitRequested, 0);
             EXPECT_EQ(Modal_Active(), 0);
         }},
        {"quit/enter", Dlg_OpenQuit, VK_RETURN, [] { EXPECT_EQ(QuitRequested, 1); }},
        {"try again/escape retries", Dlg_OpenTryAgain, VK_ESCAPE,
         [] {
             EXPECT_EQ(ScreenState, 1);
             EXPECT_EQ(Lives, 4);
             EXPECT_EQ(Modal_Active(), 1); // the level's ready box
         }},
        {"try again/enter to the menu", Dlg_OpenTryAgain, VK_RETURN, [] { EXPECT_EQ(ScreenState, 0); }},
        {"trade/enter trades", Dlg_OpenTrade, VK_RETURN,
         [] {
             EXPECT_EQ(Lives, 3);
             EXPECT_EQ(RollbackOffer, 1);
             EXPECT_EQ(Paused, 0);
         }},
        {"trade/escape risks it", Dlg_OpenTrade, VK_ESCAPE,
         [] {
             EXPECT_EQ(Lives, 4);
             EXPECT_EQ(RollbackOffer, 0);
             EXPECT_EQ(Paused, 0);
         }},
        {"ready/space", Dlg_OpenReady, VK_SPACE,
         [] {
             EXPECT_EQ(Paused, 0);
             EXPECT_EQ(Modal_Active(), 0);
         }},
        {"ready/a letter", Dlg_OpenReady, 'A', [] { EXPECT_EQ(Modal_Active(), 0); }},
        {"level complete/space on to the map, the next level selected",
         [] {
             Winning = 1;
             Dlg_OpenLevelComplete();
         },
         VK_SPACE,
         [] {
             EXPECT_EQ(ScreenState, 2);
             EXPECT_EQ(Map_Selected(), 1);
             EXPECT_EQ(Players.level_state[CurrentPlayer * kPlayerLevels] & kLevelDone, kLevelDone);
         }},
        {"last life/any key to the high scores", Dlg_OpenLastLife, VK_RETURN,
         [] {
             EXPECT_EQ(g_calls.hs_open, 1);
             EXPECT_EQ(g_calls.hs_after, 1);
         }},
        {"reset scores/escape", Dlg_OpenResetScores, VK_ESCAPE,
         [] {
             EXPECT_EQ(g_calls.hs_reset, 0);
             EXPECT_EQ(g_calls.hs_open, 1);
         }},
        {"reset scores/enter", Dlg_OpenResetScores, VK_RETURN, [] { EXPECT_EQ(g_calls.hs_reset, 1); }},
        {"continue/escape starts anew", Dlg_OpenContinue, VK_ESCAPE,
         [] {
             EXPECT_EQ(ScreenState, 2);
             EXPECT_EQ(LevelCrt, 1);
             EXPECT_EQ(g_calls.match_load, 0);
         }},
        {"continue/enter loads", Dlg_OpenContinue, VK_RETURN, [] { EXPECT_EQ(g_calls.match_load, 1); }},
        {"hints toggled/any key back to the options", Dlg_OpenHintsToggled, VK_SPACE,
         [] { EXPECT_EQ(g_calls.options, 1); }},
        {"in-game menu/escape resumes", Dlg_OpenInGameMenu, VK_ESCAPE,
         [] {
             EXPECT_EQ(Modal_Active(), 0);
             EXPECT_EQ(Paused, 0);
             EXPECT_EQ(ScreenState, 1);
         }},
        {"treasure/space closes", [] { Dlg_OpenTreasure(0); }, VK_SPACE,
         [] { EXPECT_EQ(Modal_Active(), 0); }},
        {"help/escape back to the options", [] { Dlg_OpenHelp(0, 0); }, VK_ESCAPE,
         [] { EXPECT_EQ(g_calls.options, 1); }},
        {"help from a hint/enter back to the tutorial", [] { Dlg_OpenHelp(1, 1); }, VK_RETURN,
         [] { EXPECT_EQ(g_calls.tutorial, 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Level();
        Install_Recorders();
        c.open();
        h.Run(1);
        ASSERT_EQ(Modal_Active(), 1);
        Press(h, c.key);
        c.check();
    }
}

TEST_F(DialogsTest, SwallowingDialogsKeepClicksFromTheScreenBelowButTheRouteHintLetsThemThrough) {
    struct Case {
        const char* name;
        void (*open)();
        int left_hit;
    } cases[] = {
        {"quit box", Dlg_OpenQuit, 0},
        {"in-game menu", Dlg_OpenInGameMenu, 0},
        {"route hint", [] { Dlg_OpenRouteHint(100, 100); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.open();
        Input_OnMouseMove(20, 20);
        Input_OnMouseButton(1, true);
        Pointer_Update();
        Modal_Update();
        EXPECT_EQ(LeftHit, c.left_hit);
        Input_OnMouseButton(1, false);
        Pointer_Update();
        Modal_Close();
    }
}

TEST_F(DialogsTest, TradeBoxWithoutLivesNeverShows) {
    Level();
    Lives = 0;
    Dlg_OpenTrade();
    EXPECT_EQ(Modal_Active(), 0);
    EXPECT_EQ(Paused, 0);
}

TEST_F(DialogsTest, TreasureArrowsStepToTheNextOwnedTreasure) {
    struct Case {
        int owned, shown, button, expect, buttons;
    } cases[] = {
        {0x01, 0, -1, 0, 1}, // one treasure: "continue" only
        {0x09, 0, 12, 3, 3}, // 0 and 3: "<" from 0 wraps to 3
        {0x09, 0, 13, 3, 3}, // ">" from 0 steps to 3
        {0x16, 1, 13, 2, 3}, // 1, 2, 4: ">" from 1 to 2
        {0x16, 1, 12, 4, 3}, // "<" from 1 wraps to 4
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.owned * 100 + c.button);
        Players.treasure_bits[CurrentPlayer] = c.owned;
        Dlg_OpenTreasure(c.shown);
        EXPECT_EQ(static_cast<int>(Dlg.buttons.items.size()), c.buttons);
        if (GUIBtn* b = Dlg.buttons.Find(c.button)) b->On_MouseLeftUp(b);
        EXPECT_EQ(Dlg_TreasureShown(), c.expect);
        Modal_Close();
    }
}

TEST_F(DialogsTest, EitherHelpArrowFlipsThePage) {
    Dlg_OpenHelp(0, 0);
    const int presses[] = {12, 12, 13, 13};
    int page = 0;
    for (int id : presses) {
        GUIBtn* b = Dlg.buttons.Find(id);
        ASSERT_NE(b, nullptr);
        b->On_MouseLeftUp(b);
        page = 1 - page;
        EXPECT_EQ(Dlg_HelpPage(), page);
    }
}

TEST_F(DialogsTest, RouteHintStaysOnTheScreen) {
    int w = Dlg_W(DLG2), h2 = Dlg_H(DLG2);
    ASSERT_GT(w, 0);
    struct Case {
        int x, y, ox, oy;
    } cases[] = {{100, 100, 100, 100}, {790, 590, 790 - w, 590 - h2}, {790, 100, 790 - w, 100}};
    for (const Case& c : cases) {
        Dlg_OpenRouteHint(c.x, c.y);
        EXPECT_EQ(Dlg.x, c.ox);
        EXPECT_EQ(Dlg.y, c.oy);
        Modal_Close();
    }
}

TEST_F(DialogsTest, GameOverWithoutAHighScoreGoesStraightToTryAgain) {
    struct Case {
        int place, hs_calls_after_key;
    } cases[] = {{-1, 0}, {3, 1}};
    for (const Case& c : cases) {
        Level();
        Install_Recorders();
        static int place;
        place = c.place;
        Later.hs_place = [](int) { return place; };
        Dlg_GameOver();
        h.Run(1);
        Press(h, VK_RETURN); // try again: to the menu; last life: on to the high scores
        EXPECT_EQ(g_calls.hs_open, c.hs_calls_after_key);
        EXPECT_EQ(ScreenState, c.place < 0 ? 0 : 1);
    }
}
